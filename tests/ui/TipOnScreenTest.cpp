// The real tooltip near every edge of the screen: a long answer wraps and
// its whole box lies inside the work area, off the point; a short one is the
// one-line box it always was; the suggestion rows beside a dialog at the
// right edge stay on the screen. tip_onscreen_test.sh runs this at 96 and
// 144 DPI, naming the DPI Wine was started with in WORDLUMO_EXPECT_DPI.
#include "framework/Dialog.h"
#include "framework/Dpi.h"
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "tests/ui/UiTestSupport.h"
#include "text/Cp1251Utf16.h"
#include "ui/SuggestionRows.h"
#include "ui/TipPlacement.h"
#include "ui/TipWnd.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// A long answer of the kind the dictionary gives for "right": 180 letters,
// over 1,000 px on one line at 100% scaling.
const std::string kLongAnswer =
    u8"прав, правилен, верен, точен; десен; подходящ, уместен, истински; право, правота, справедливост; "
    u8"дясна страна, десница; надясно, вдясно; точно, направо, веднага; изправям, поправям"_cp1251;

std::string Str(const RECT& r)
{
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

class TipOnScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Create());
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromWindow(parent.m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor));
        work = monitor.rcWork;
        dpi = SystemDpi();
        if (const char* expected = std::getenv("WORDLUMO_EXPECT_DPI")) {
            ASSERT_EQ(dpi, (UINT)std::atoi(expected)) << "Wine was not started at the DPI asked for";
        }
        tip.Create(&parent, 0);
    }
    void TearDown() override { parent.DestroyWindow(); }

    // Shows text with the tooltip at a screen point; its window rectangle.
    RECT ShowAtScreen(CTipWnd& shown, const std::string& text, POINT screen)
    {
        POINT client = screen;
        ::ScreenToClient(parent.m_hWnd, &client);
        shown.ShowAt(text, client);
        RECT rect;
        ::GetWindowRect(shown.m_hWnd, &rect);
        return rect;
    }
    // The extent of text on one line in the tooltip's font.
    SIZE Extent(const std::string& text)
    {
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, tip.m_font);
        const std::wstring wide = cp1251::ToUtf16(text);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, wide.c_str(), (int)wide.size(), &size);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        return size;
    }
    int MaxWidth() const { return MaxTipWidth(TipRect{work.left, work.top, work.right, work.bottom}); }
    bool Inside(const RECT& box)
    {
        return box.left >= work.left && box.top >= work.top && box.right <= work.right && box.bottom <= work.bottom;
    }
    // Where the box stood before it was kept on the screen: at the point's
    // x, the cursor height less 12 below it, one line of text and two spaces.
    RECT OneLineBelow(const std::string& text, POINT screen)
    {
        const SIZE size = Extent(text + "  ");
        const int top = screen.y + SystemMetricForDpi(SM_CYCURSOR, dpi) - ScaleForDpi(CTipWnd::CURSOR_OVERLAP, dpi);
        return RECT{screen.x, top, screen.x + size.cx, top + size.cy};
    }

    CDialog parent{IDD_NEW_WORD};
    CTipWnd tip;
    RECT work{};
    UINT dpi = BASE_DPI;
};

TEST_F(TipOnScreenTest, ALongAnswerWrapsInsideTheWorkAreaAtEveryEdge)
{
    const int line = Extent("x").cy;
    const int oneLine = Extent(kLongAnswer + "  ").cx;
    std::printf("%u DPI: the answer is %d px on one line, work area %s\n", dpi, oneLine, Str(work).c_str());
    ASSERT_GT(oneLine, MaxWidth())
        << "the answer must be too long for one line";
    const LONG midX = (work.left + work.right) / 2, midY = (work.top + work.bottom) / 2;
    const struct {
        const char* edge;
        POINT at;
    } points[] = {
        {"right", {work.right - 5, midY}},
        {"bottom", {midX, work.bottom - 5}},
        {"left", {work.left + 1, midY}},
        {"top", {midX, work.top + 1}},
        {"bottom-right corner", {work.right - 1, work.bottom - 1}},
    };
    for (const auto& p : points) {
        const RECT box = ShowAtScreen(tip, kLongAnswer, p.at);
        std::printf("%u DPI, %s edge: box %ldx%ld at (%ld,%ld), %d lines\n", dpi, p.edge, box.right - box.left,
                    box.bottom - box.top, box.left, box.top, (int)((box.bottom - box.top) / line));
        EXPECT_TRUE(Inside(box)) << p.edge << ": " << Str(box) << " in " << Str(work);
        EXPECT_FALSE(::PtInRect(&box, p.at)) << p.edge << ": the box covers the point";
        EXPECT_LE(box.right - box.left, MaxWidth());
        EXPECT_GE(box.bottom - box.top, 2 * line) << p.edge << ": wrapped onto lines";
        EXPECT_EQ(box.right - box.left, tip.m_size.cx);
        EXPECT_EQ(box.bottom - box.top, tip.m_size.cy);
    }
}

TEST_F(TipOnScreenTest, AShortAnswerWithRoomIsTheOneLineBoxItAlwaysWas)
{
    const std::string shortAnswer = u8"къща, дом"_cp1251;
    const POINT at{(work.left + work.right) / 2, (work.top + work.bottom) / 2};
    const RECT box = ShowAtScreen(tip, shortAnswer, at);
    const RECT before = OneLineBelow(shortAnswer, at);
    EXPECT_TRUE(::EqualRect(&box, &before)) << Str(box) << " was " << Str(before);
    EXPECT_EQ(box.bottom - box.top, Extent("x").cy) << "one line high";
}

TEST_F(TipOnScreenTest, AShortAnswerAtTheRightEdgeKeepsItsSizeAndMovesLeft)
{
    const std::string shortAnswer = u8"къща, дом"_cp1251;
    const POINT at{work.right - 3, (work.top + work.bottom) / 2};
    const RECT box = ShowAtScreen(tip, shortAnswer, at);
    const RECT before = OneLineBelow(shortAnswer, at);
    EXPECT_EQ(box.right, work.right);
    EXPECT_EQ(box.top, before.top);
    EXPECT_EQ(box.right - box.left, before.right - before.left);
    EXPECT_EQ(box.bottom - box.top, before.bottom - before.top);
}

// The rows stand at a client x of the dialog: with the dialog at the right
// edge of the screen they would start beyond it.
TEST_F(TipOnScreenTest, SuggestionRowsBesideADialogAtTheRightEdgeStayOnTheScreen)
{
    RECT dialog;
    ::GetWindowRect(parent.m_hWnd, &dialog);
    ::SetWindowPos(parent.m_hWnd, nullptr, work.right - (dialog.right - dialog.left), work.top + 40, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RowTips rows;
    for (CTipWnd& row : rows)
        CreateRowTip(row, &parent);
    int rowY[ROW_COUNT];
    PlaceRows(dpi, rowY);
    const int rowX = RowX(dpi);
    POINT anchor{rowX, 0};
    ::ClientToScreen(parent.m_hWnd, &anchor);
    ASSERT_GT(anchor.x, work.right - 100) << "the rows' anchor must lie near or past the right edge";
    std::string words[ROW_COUNT];
    for (int i = 0; i < ROW_COUNT; ++i)
        words[i] = "neighbour " + std::to_string(i);
    words[ROW_COUNT - 1] = "neighbourhoods";   // the widest row
    ShowRows(rows, dpi, rowY, words);
    RECT widest;
    ::GetWindowRect(rows[ROW_COUNT - 1].m_hWnd, &widest);
    EXPECT_EQ(widest.right, work.right);
    for (int i = 0; i < ROW_COUNT; ++i) {
        RECT box;
        ::GetWindowRect(rows[i].m_hWnd, &box);
        POINT at{rowX, rowY[i]};
        ::ClientToScreen(parent.m_hWnd, &at);
        EXPECT_TRUE(Inside(box)) << "row " << i << ": " << Str(box) << " in " << Str(work);
        EXPECT_EQ(box.bottom, at.y) << "row " << i << " still stands on its anchor";
        EXPECT_EQ(box.left, widest.left) << "row " << i << " keeps to the column";
    }
}

} // namespace

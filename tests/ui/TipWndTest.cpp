// The tooltip window: where it stands, how big it is, what it paints, its
// own countdown, and the window text that mirrors what it shows.
#include "framework/Dialog.h"
#include "framework/Text.h"
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/PhoneticFont.h"
#include "ui/TipWnd.h"

#include <gtest/gtest.h>

#include <vector>

using namespace uitest;

namespace {

class TipWndTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(parent.Create()); }
    void TearDown() override { parent.DestroyWindow(); }

    RECT Rect(const CTipWnd& tip)
    {
        RECT rect;
        ::GetWindowRect(tip.m_hWnd, &rect);
        return rect;
    }
    POINT ToScreen(POINT pt)
    {
        ::ClientToScreen(parent.m_hWnd, &pt);
        return pt;
    }
    // The extent of text in the tooltip's font.
    SIZE Extent(const CTipWnd& tip, const std::string& text)
    {
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, tip.m_font);
        SIZE size{};
        ::GetTextExtentPoint32A(dc, text.c_str(), (int)text.size(), &size);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        return size;
    }

    CDialog parent{IDD_NEW_WORD};
};

TEST_F(TipWndTest, CreateMakesAHiddenBorderlessStaticPopup)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    ASSERT_NE(tip.m_hWnd, nullptr);
    char cls[32] = "";
    ::GetClassNameA(tip.m_hWnd, cls, sizeof cls);
    EXPECT_STREQ(cls, "Static");
    // The system adds WS_CLIPSIBLINGS to every popup; nothing else is there.
    EXPECT_EQ((DWORD)::GetWindowLongA(tip.m_hWnd, GWL_STYLE) & ~(DWORD)WS_CLIPSIBLINGS, (DWORD)WS_POPUP);
    EXPECT_EQ(::GetWindowLongA(tip.m_hWnd, GWL_EXSTYLE), 0);
    EXPECT_EQ(::GetWindow(tip.m_hWnd, GW_OWNER), parent.m_hWnd);
    EXPECT_FALSE(::IsWindowVisible(tip.m_hWnd));
    RECT rect = Rect(tip);
    EXPECT_EQ(rect.right - rect.left, 1);
    EXPECT_EQ(rect.bottom - rect.top, 1);
    EXPECT_EQ(tip.m_nReload, 0);
    EXPECT_EQ(BrushColor(tip.m_brush), RGB(255, 255, 200));

    CTipWnd timed;
    timed.Create(&parent, 1);
    EXPECT_EQ(timed.m_nReload, 2);
}

TEST_F(TipWndTest, BelowThePointTheTopEdgeIsTheCursorHeightLessTwelveDown)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    HWND before = ::GetActiveWindow();
    tip.ShowAt("house", POINT{30, 40});
    EXPECT_TRUE(::IsWindowVisible(tip.m_hWnd));
    EXPECT_EQ(::GetActiveWindow(), before) << "showing never activates";
    POINT pt = ToScreen(POINT{30, 40});
    SIZE size = Extent(tip, "house  ");
    RECT rect = Rect(tip);
    EXPECT_EQ(rect.left, pt.x);
    EXPECT_EQ(rect.top, pt.y + ::GetSystemMetrics(SM_CYCURSOR) - 12);
    EXPECT_EQ(rect.right - rect.left, size.cx);
    EXPECT_EQ(rect.bottom - rect.top, size.cy);
    EXPECT_EQ(tip.m_size.cx, size.cx);
}

TEST_F(TipWndTest, AboveThePointTheBottomEdgeIsOnIt)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    tip.m_nStyle = CTipWnd::TIP_ABOVE | CTipWnd::TIP_ROUNDED;
    tip.SetTipFont(120, "Arial");
    tip.ShowAt("neighbour", POINT{275, 70});
    POINT pt = ToScreen(POINT{275, 70});
    RECT rect = Rect(tip);
    EXPECT_EQ(rect.left, pt.x);
    EXPECT_EQ(rect.bottom, pt.y);
    EXPECT_EQ(rect.right - rect.left, Extent(tip, "neighbour  ").cx);
}

TEST_F(TipWndTest, AnEmptyTextGivesABoxOfTwoSpaces)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    tip.ShowAt("", POINT{0, 0});
    SIZE two = Extent(tip, "  ");
    RECT rect = Rect(tip);
    EXPECT_EQ(rect.right - rect.left, two.cx);
    EXPECT_EQ(rect.bottom - rect.top, two.cy);
}

// A pronunciation's letters (the stress mark among them) are drawn in a
// face that has them when the tooltip's own lacks them.
TEST_F(TipWndTest, APronunciationIsDrawnInAFaceWithItsLetters)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    const std::wstring text = L"window /\u02C8w\u026And\u0259\u028A/: прозорец";
    tip.ShowAt(text, POINT{0, 0});
    EXPECT_EQ(WideWindowTextOf(tip.m_hWnd), text);
    HDC dc = ::GetDC(tip.m_hWnd);
    const HFONT drawn = tip.m_phoneticFont ? tip.m_phoneticFont.Get() : tip.m_font.Get();
    HGDIOBJ old = ::SelectObject(dc, drawn);
    EXPECT_TRUE(HasLetters(dc, text)) << "no installed face has the letters";
    ::SelectObject(dc, old);
    ::ReleaseDC(tip.m_hWnd, dc);
}

TEST_F(TipWndTest, ALineBreakKeepsTheBoxOneLineHigh)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    tip.ShowAt("one\r\ntwo", POINT{0, 0});
    RECT rect = Rect(tip);
    EXPECT_EQ(rect.bottom - rect.top, Extent(tip, "x").cy);
}

// The window's pixels against our own rendering of the same box: frame,
// fill, centred text; the mirrored window text adds nothing.
TEST_F(TipWndTest, ThePaintIsTheFramedBoxWithTheCentredText)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    tip.SetTipColor(RGB(255, 255, 200));
    std::string text = u8"къща, дом"_cp1251;
    tip.ShowAt(text, POINT{10, 10});
    tip.ShowAt(text, POINT{12, 10});   // shown again while visible
    support::PumpPending();
    EXPECT_EQ(support::TextOf(tip.m_hWnd), text) << "the window text mirrors the text shown";

    int cx = tip.m_size.cx, cy = tip.m_size.cy;
    ASSERT_GT(cx, 10);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    auto grab = [&](auto draw) {
        void* bits = nullptr;
        HDC mem = ::CreateCompatibleDC(nullptr);
        HBITMAP bmp = ::CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = ::SelectObject(mem, bmp);
        draw(mem);
        ::GdiFlush();
        std::vector<DWORD> pixels((const DWORD*)bits, (const DWORD*)bits + cx * cy);
        ::SelectObject(mem, old);
        ::DeleteObject(bmp);
        ::DeleteDC(mem);
        return pixels;
    };
    auto shown = grab([&](HDC mem) {
        HDC dc = ::GetDC(tip.m_hWnd);
        ::BitBlt(mem, 0, 0, cx, cy, dc, 0, 0, SRCCOPY);
        ::ReleaseDC(tip.m_hWnd, dc);
    });
    auto expected = grab([&](HDC mem) {
        HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        HGDIOBJ p = ::SelectObject(mem, pen), b = ::SelectObject(mem, tip.m_brush), f = ::SelectObject(mem, tip.m_font);
        ::Rectangle(mem, 0, 0, cx, cy);
        ::SetBkMode(mem, TRANSPARENT);
        RECT box{0, 0, cx, cy};
        ::DrawTextA(mem, text.c_str(), (int)text.size(), &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        ::SelectObject(mem, p);
        ::SelectObject(mem, b);
        ::SelectObject(mem, f);
        ::DeleteObject(pen);
    });
    int differing = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        differing += (shown[i] & 0xFFFFFF) != (expected[i] & 0xFFFFFF);
    EXPECT_EQ(differing, 0) << "of " << shown.size() << " pixels";
    EXPECT_EQ(shown[0] & 0xFFFFFF, 0u) << "black frame";
    EXPECT_EQ(shown[cy / 2 * cx + 1] & 0xFFFFFF, 0xFFFFC8u) << "pale yellow inside (BGRX)";
}

TEST_F(TipWndTest, WithoutOwnTimerEveryShowAtRepaints)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    tip.ShowAt("first", POINT{5, 5});
    tip.ShowAt("second", POINT{5, 5});
    EXPECT_EQ(tip.m_strText, L"second");
    EXPECT_EQ(support::TextOf(tip.m_hWnd), "second");
    EXPECT_EQ(Rect(tip).right - Rect(tip).left, Extent(tip, "second  ").cx);
}

TEST_F(TipWndTest, TheOwnTimerCountsTwoTicksAndIgnoresTheLastPoint)
{
    CTipWnd tip;
    tip.Create(&parent, 7);
    tip.ShowAt("Select", POINT{20, 20});
    EXPECT_EQ(tip.m_nCountdown, 2);
    tip.ShowAt("Keyboard", POINT{20, 20});
    EXPECT_EQ(tip.m_strText, L"Select") << "same point: nothing at all";

    tip.SendMessage(WM_TIMER, 7, 0);
    EXPECT_TRUE(::IsWindowVisible(tip.m_hWnd));
    EXPECT_EQ(tip.m_nCountdown, 1);
    tip.ShowAt("Keyboard", POINT{21, 20});   // a new point reloads the countdown
    EXPECT_EQ(tip.m_nCountdown, 2);
    tip.SendMessage(WM_TIMER, 99, 0);        // the identifier is not compared
    EXPECT_TRUE(::IsWindowVisible(tip.m_hWnd));
    tip.SendMessage(WM_TIMER, 7, 0);
    EXPECT_FALSE(::IsWindowVisible(tip.m_hWnd));
    EXPECT_EQ(tip.m_nCountdown, 0);
}

TEST_F(TipWndTest, AnOwnTimerTooltipGoesByItselfOnceThePointStops)
{
    CTipWnd tip;
    tip.Create(&parent, 1);
    DWORD shown = ::GetTickCount();
    tip.ShowAt("Select", POINT{40, 20});
    ASSERT_TRUE(::IsWindowVisible(tip.m_hWnd));
    EXPECT_TRUE(support::PumpUntil([&] { return !::IsWindowVisible(tip.m_hWnd); }, 15000));
    // Two ticks of a 1000 ms timer: never sooner (a timer never fires early).
    EXPECT_GE(::GetTickCount() - shown, 1900u);
    EXPECT_EQ(tip.m_nCountdown, 0);
}

TEST_F(TipWndTest, ShowAtCursorPlacesTheBoxAtTheCursor)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    ASSERT_TRUE(::SetCursorPos(300, 200));
    ASSERT_TRUE(support::PumpUntil([] { POINT p; ::GetCursorPos(&p); return p.x == 300 && p.y == 200; }));
    EXPECT_TRUE(tip.ShowAtCursor("at the cursor"));
    RECT rect = Rect(tip);
    EXPECT_EQ(rect.left, 300);
    EXPECT_EQ(rect.top, 200 + ::GetSystemMetrics(SM_CYCURSOR) - 12);
}

TEST_F(TipWndTest, ShowAtCursorOutsideTheTestWindowChangesNothing)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    RECT window, client;
    ::GetWindowRect(parent.m_hWnd, &window);
    ::GetClientRect(parent.m_hWnd, &client);
    ::SetCursorPos(window.left - 20, window.top - 20);
    support::PumpPending();
    EXPECT_FALSE(tip.ShowAtCursor("nothing", &parent));
    EXPECT_FALSE(::IsWindowVisible(tip.m_hWnd));
    EXPECT_EQ(tip.m_strText, L"");

    tip.ShowAt("stays", POINT{0, 0});
    EXPECT_FALSE(tip.ShowAtCursor("nothing", &parent));
    EXPECT_TRUE(::IsWindowVisible(tip.m_hWnd)) << "a visible tooltip stays visible";
    EXPECT_EQ(tip.m_strText, L"stays");

    // The window rectangle counts, not the client area: the top-left corner
    // is inside, the right and bottom edges are outside.
    EXPECT_TRUE(tip.IsPointInWindow(&parent, POINT{window.left, window.top}, FALSE));
    EXPECT_FALSE(tip.IsPointInWindow(&parent, POINT{window.right, window.top}, FALSE));
    EXPECT_FALSE(tip.IsPointInWindow(&parent, POINT{window.left, window.bottom}, FALSE));
    EXPECT_TRUE(tip.IsPointInWindow(&parent, POINT{0, 0}, TRUE));
}

TEST_F(TipWndTest, HideStopsTheTimerAndANeverCreatedTipIgnoresEverything)
{
    CTipWnd tip;
    tip.Create(&parent, 3);
    tip.ShowAt("x", POINT{1, 1});
    tip.Hide();
    EXPECT_FALSE(::IsWindowVisible(tip.m_hWnd));
    EXPECT_EQ(tip.m_nCountdown, 0);
    EXPECT_FALSE(::KillTimer(tip.m_hWnd, 3)) << "the own timer was already stopped";

    CTipWnd never;
    never.Hide();
    never.ShowAt("y", POINT{1, 1});
    never.SendMessage(WM_TIMER, 0, 0);
    EXPECT_EQ(never.m_hWnd, nullptr);
}

TEST_F(TipWndTest, FontAndColourCanBeReplaced)
{
    CTipWnd tip;
    tip.Create(&parent, 0);
    HFONT oldFont = tip.m_font;
    tip.SetTipFont(120, "Arial");
    EXPECT_EQ(::GetObjectType(oldFont), 0u) << "the previous font is deleted";
    LOGFONTA lf{};
    ::GetObjectA(tip.m_font, sizeof lf, &lf);
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(lf.lfHeight, -::MulDiv(120, ::GetDeviceCaps(screen, LOGPIXELSY), 720));
    ::ReleaseDC(nullptr, screen);
    tip.SetTipColor(RGB(1, 2, 3));
    EXPECT_EQ(BrushColor(tip.m_brush), RGB(1, 2, 3));
}

TEST_F(TipWndTest, CloseDestroysTheWindowAndReleasesFontAndBrush)
{
    CTipWnd tip;
    tip.Create(&parent, 1);
    tip.ShowAt("x", POINT{3, 3});
    HWND hwnd = tip.m_hWnd;
    tip.SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(tip.m_hWnd, nullptr);
    EXPECT_FALSE(tip.m_font);
    EXPECT_FALSE(tip.m_brush);
}

} // namespace

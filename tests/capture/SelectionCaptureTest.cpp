// A mouse selection borrows the user's clipboard and gives it back (or, when
// another program holds it, reads nothing); only a selection gesture is
// captured; an application that ignores WM_COPY gets
// Ctrl+C (never a console); a hung target never holds Zeto for long.
#include "CaptureWine.h"
#include "CopyTargetWindows.h"

#include "capture/ClipboardFormats.h"
#include "hooklib/Tapwire.h"
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace {
using support::ClipboardBitmapBits;
using support::ClipboardBlock;

// A registered format of another program's that Zeto knows how to keep.
const UINT HTML_FORMAT = ::RegisterClipboardFormatA("HTML Format");
const std::string HTML_BYTES("\x01\x00\xff\x7f <b>html</b>", 18);

std::string Title(HWND hwnd)
{
    char title[128] = "";
    ::GetWindowTextA(hwnd, title, sizeof title);
    return title;
}

// Text, a bitmap and HTML, as another program copied them.
void FillUserClipboard()
{
    ASSERT_TRUE(support::PutClipboardBlocks({{CF_TEXT, std::string("house", 6)}, {HTML_FORMAT, HTML_BYTES}}));
    ASSERT_TRUE(support::AddClipboardBitmap({0xf0, 0x0f, 0, 0, 0xaa, 0x55}));
}

// What Zeto's mouse watch sees of a click at (x, y).
void Click(CMainDlg& dlg, int x, int y)
{
    dlg.m_mouseWatch.OnButton(WM_LBUTTONDOWN, {x, y}, ::GetTickCount());
    dlg.m_mouseWatch.OnButton(WM_LBUTTONUP, {x, y}, ::GetTickCount());
}

void Drag(CMainDlg& dlg, POINT from, POINT to)
{
    dlg.m_mouseWatch.OnButton(WM_LBUTTONDOWN, from, ::GetTickCount());
    dlg.m_mouseWatch.OnButton(WM_LBUTTONUP, to, ::GetTickCount());
}

bool Responsive(CaptureDialog& main, DWORD start)
{
    ::SetDlgItemTextA(main.dlg().m_hWnd, IDC_INPUT, "house");
    return support::PumpUntil([&] { return main.Translation() == u8"къща"_cp1251; }, 3000)
        && ::GetTickCount() - start < 3000;
}
}  // namespace

TEST(SelectionCapture, UserClipboardComesBackByteForByteAndIsNotLookedUp)
{
    CopyTarget target("count", "Counting editor");
    HWND child = target.Find("CopyTargetCount");
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_nCopyMethod = COPY_OTHER;
    dlg.m_mouseWatch.TakeEveryRelease();
    FillUserClipboard();
    const std::string bits = ClipboardBitmapBits();
    ASSERT_FALSE(bits.empty());
    dlg.m_bCapturePending = 1;   // a copy gesture waits: our own changes must not answer it
    EXPECT_EQ(1, dlg.OnMouseSelection((WPARAM)child, (LPARAM)target.top()));
    EXPECT_TRUE(support::PumpUntil([&] { return main.Translation() == u8"ябълка"_cp1251; }));
    EXPECT_EQ("copies: 1", Title(target.top()));
    EXPECT_EQ(std::string("house", 6), ClipboardBlock(CF_TEXT).substr(0, 6));
    EXPECT_EQ(HTML_BYTES, ClipboardBlock(HTML_FORMAT));
    EXPECT_EQ(bits, ClipboardBitmapBits());
    // Marked so that Windows' clipboard history does not take it again.
    for (const char* optOut : CLIPBOARD_HISTORY_OPT_OUTS)
        EXPECT_EQ(std::string(4, '\0'), ClipboardBlock(::RegisterClipboardFormatA(optOut))) << optOut;
    EXPECT_FALSE(support::PumpUntil([&] { return main.Translation() == u8"къща"_cp1251; }, 700))
        << "the restore was looked up";
    EXPECT_EQ(1, dlg.m_bCapturePending);
}

// A format offered for delayed rendering by another program that never
// renders it: its content cannot be kept, so the clipboard is not touched.
TEST(SelectionCapture, DelayedFormatItsOwnerNeverRendersIsNotBorrowed)
{
    CopyTarget target("count", "Counting editor");
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_nCopyMethod = COPY_OTHER;
    dlg.m_mouseWatch.TakeEveryRelease();
    CopyTarget owner("owner", "Clipboard owner");
    ASSERT_TRUE(owner.top());
    ASSERT_EQ(owner.top(), ::GetClipboardOwner());
    ASSERT_TRUE(::IsClipboardFormatAvailable(::RegisterClipboardFormatA(OWNER_UNRENDERED_FORMAT)));
    const DWORD sequence = ::GetClipboardSequenceNumber();
    dlg.OnMouseSelection((WPARAM)target.Find("CopyTargetCount"), (LPARAM)target.top());
    EXPECT_EQ("Counting editor", Title(target.top())) << "no copy request";
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    EXPECT_EQ(u8"Програмата, копирала на клипборда, не дава съдържанието му: маркираното не се превежда, за да не се загуби"_cp1251,
              main.Translation());
    EXPECT_EQ(std::string("house", 6), ClipboardBlock(CF_TEXT).substr(0, 6));
}

TEST(SelectionCapture, ClipboardAboveTheLimitIsLeftAloneAndSaysWhy)
{
    CopyTarget target("count", "Counting editor");
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_nCopyMethod = COPY_OTHER;
    dlg.m_mouseWatch.TakeEveryRelease();
    std::string huge(CLIPBOARD_SNAPSHOT_LIMIT + 1, 'h');
    ASSERT_TRUE(support::PutClipboardBlocks({{HTML_FORMAT, huge}}));
    const DWORD sequence = ::GetClipboardSequenceNumber();
    dlg.OnMouseSelection((WPARAM)target.Find("CopyTargetCount"), (LPARAM)target.top());
    EXPECT_NE(std::string::npos, main.Translation().find("64 MB"));
    EXPECT_EQ("Counting editor", Title(target.top())) << "no copy request";
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    support::PutClipboardText("house");   // the tests after this one borrow again
}

// Another program holds the clipboard open for as long as the selection
// lasts: nothing can be read, so the text is empty, as when nothing was
// copied, and the first such selection shows the usage hint.
TEST(SelectionCapture, ClipboardHeldOpenElsewhereGivesAnEmptyTextAndTheHint)
{
    CopyTarget target("count", "Counting editor");
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_nCopyMethod = COPY_OTHER;
    dlg.m_mouseWatch.TakeEveryRelease();
    HANDLE opened = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        if (::OpenClipboard(nullptr)) {
            ::SetEvent(opened);
            ::WaitForSingleObject(release, 30000);
            ::CloseClipboard();
        }
    });
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(opened, 10000));
    const DWORD start = ::GetTickCount();
    dlg.OnMouseSelection((WPARAM)target.Find("CopyTargetCount"), (LPARAM)target.top());
    const DWORD waited = ::GetTickCount() - start;
    ::SetEvent(release);
    holder.join();
    ::CloseHandle(opened);
    ::CloseHandle(release);
    EXPECT_EQ(1, dlg.m_bHintShown);
    EXPECT_EQ("Counting editor", Title(target.top())) << "no copy request";
    EXPECT_LT(waited, COPY_REQUEST_TIMEOUT_MS) << "the wait for the clipboard is brief";
}

// Zeto's dialog taking mouse reports from the counting stand-in, its mouse
// watch fed by the test.
class WatchedSelections : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg.m_nCopyMethod = COPY_OTHER;
        dlg.m_mouseWatch.TakeEveryRelease();
        ASSERT_TRUE(dlg.m_mouseWatch.Start());
    }
    void TearDown() override { dlg.m_mouseWatch.Stop(); }

    CopyTarget target{"count", "Counting editor"};
    HWND child = target.Find("CopyTargetCount");
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
};

TEST_F(WatchedSelections, PlainClickTouchesNothingDoubleClickCopiesOnce)
{
    support::PutClipboardText("house");
    const DWORD sequence = ::GetClipboardSequenceNumber();
    // Tapwire reports each release; a double click also its second press.
    Click(dlg, 300, 300);
    EXPECT_EQ(0, dlg.OnMouseSelection((WPARAM)child, (LPARAM)target.top()));
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    Click(dlg, 300, 300);   // the second click of a double click
    EXPECT_EQ(1, dlg.OnMouseSelection((WPARAM)child, (LPARAM)target.top()));
    EXPECT_EQ(0, dlg.OnMouseSelection((WPARAM)child, (LPARAM)target.top()));
    EXPECT_EQ("copies: 1", Title(target.top()));
    EXPECT_TRUE(support::PumpUntil([&] { return main.Translation() == u8"ябълка"_cp1251; }));
}

// A drag begun on a scrollbar moves the view and selects nothing: no copy
// request, no Ctrl+C. One begun over the content is a selection.
TEST_F(WatchedSelections, DragBegunOnAScrollbarIsNoSelection)
{
    RECT r;
    ASSERT_TRUE(::GetWindowRect(child, &r));
    const POINT bar{r.right - 3, r.top + 20}, content{r.left + 10, r.top + 20};
    ASSERT_EQ(child, ::WindowFromPoint(bar));
    Drag(dlg, bar, {bar.x, bar.y + 30});
    EXPECT_EQ(0, dlg.OnMouseSelection((WPARAM)child, (LPARAM)target.top()));
    EXPECT_EQ("Counting editor", Title(target.top())) << "no copy request";
    Drag(dlg, content, {content.x + 40, content.y});
    EXPECT_EQ(1, dlg.OnMouseSelection((WPARAM)child, (LPARAM)target.top()));
    EXPECT_EQ("copies: 1", Title(target.top()));
}

// The selection watch can't be installed: the user is told once, and no
// release is captured (a report alone can't tell a double click from a plain
// click), in place of every release borrowing the clipboard.
TEST(SelectionGesture, WithoutTheMouseWatchNoReleaseIsCapturedAndTheUserIsTold)
{
    CopyTarget target("count", "Counting editor");
    HWND child = target.Find("CopyTargetCount");
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_mouseWatch.m_install = [](int, HOOKPROC, HINSTANCE, DWORD) -> HHOOK {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    };
    dlg.OnAutomaticAttach();
    EXPECT_FALSE(dlg.m_mouseWatch.Watching());
    EXPECT_EQ(u8"Изборът с мишката не може да се следи; преводът при маркиране е изключен."_cp1251,
              main.Translation());
    ::SetDlgItemTextA(dlg.m_hWnd, IDC_TRANSLATION, "");
    support::PutClipboardText("house");
    const DWORD sequence = ::GetClipboardSequenceNumber();
    Click(dlg, 300, 300);
    Click(dlg, 300, 300);   // even a double click: the watch saw none of it
    EXPECT_EQ(0, dlg.OnMouseSelection((WPARAM)child, (LPARAM)target.top()));
    EXPECT_EQ(0, dlg.OnMouseSelection((WPARAM)child, (LPARAM)target.top()));
    support::PumpPending();
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    EXPECT_EQ("Counting editor", Title(target.top())) << "no copy request";
    EXPECT_EQ("", main.Translation()) << "told once, not at each release";
    dlg.OnAutomaticAttach();   // off again: the capture hooks go
}

TEST(CtrlCFallback, ApplicationIgnoringWmCopyGetsCtrlCAndTheClipboardComesBack)
{
    CopyTarget target("keys", "Browser-like reader");
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_nCopyMethod = COPY_OTHER;
    dlg.m_mouseWatch.TakeEveryRelease();
    ::SetForegroundWindow(target.top());
    ASSERT_TRUE(support::PumpUntil([&] { return ::GetForegroundWindow() == target.top(); }));
    support::PutClipboardText("house");
    // Switched off in the Tools menu: no Ctrl+C, so nothing was copied.
    ::SendMessageA(dlg.m_hWnd, WM_COMMAND, ID_COPY_WITH_CTRL_C, 0);
    EXPECT_FALSE(::GetMenuState(::GetMenu(dlg.m_hWnd), ID_COPY_WITH_CTRL_C, MF_BYCOMMAND) & MF_CHECKED);
    dlg.OnMouseSelection((WPARAM)target.Find("CopyTargetKeys"), (LPARAM)target.top());
    EXPECT_EQ(1, dlg.m_bHintShown) << "an empty word";
    ::SendMessageA(dlg.m_hWnd, WM_COMMAND, ID_COPY_WITH_CTRL_C, 0);
    dlg.OnMouseSelection((WPARAM)target.Find("CopyTargetKeys"), (LPARAM)target.top());
    EXPECT_TRUE(support::PumpUntil([&] { return main.Translation() == u8"ябълка"_cp1251; }));
    EXPECT_EQ("house", support::ClipboardText());
    // Tapwire reports Zeto's own Ctrl+C, with the reader in front: that is
    // no gesture of the user's. Another window's is.
    ::PostMessageA(dlg.m_hWnd, g_tapwireMessages.ctrlC, 0, (LPARAM)target.top());
    support::PumpPending();
    EXPECT_EQ(0, dlg.m_bCapturePending);
    ::PostMessageA(dlg.m_hWnd, g_tapwireMessages.ctrlC, 0, (LPARAM)dlg.m_hWnd);
    support::PumpPending();
    EXPECT_EQ(1, dlg.m_bCapturePending);
}

TEST(CtrlCFallback, ConsoleGetsNoKeystroke)
{
    CopyTarget target("console", "Console stand-in");
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_nCopyMethod = COPY_OTHER;
    dlg.m_mouseWatch.TakeEveryRelease();
    ::SetForegroundWindow(target.top());
    ASSERT_TRUE(support::PumpUntil([&] { return ::GetForegroundWindow() == target.top(); }));
    dlg.OnMouseSelection((WPARAM)target.top(), (LPARAM)target.top());
    EXPECT_FALSE(support::PumpUntil([&] { return Title(target.top()) != "Console stand-in"; }, 1000));
    EXPECT_NE(u8"ябълка"_cp1251, main.Translation());
}

TEST(HungTarget, EveryCopyMethodLetsZetoAnswerWithinThreeSeconds)
{
    for (int method : {COPY_OTHER, COPY_HTML, COPY_HELP, COPY_PDF}) {
        CopyTarget target("hangall", "Hung viewer", CopyTarget::THIS_PROCESS);
        CaptureDialog main;
        CMainDlg& dlg = main.dlg();
        dlg.m_nCopyMethod = method;
        dlg.m_mouseWatch.TakeEveryRelease();
        dlg.m_nAcrobatItem = 4;
        dlg.m_pTarget->m_hwndTop = target.top();
        const DWORD start = ::GetTickCount();
        dlg.OnMouseSelection((WPARAM)target.Find("CopyTargetHang"), (LPARAM)target.top());
        if (method == COPY_PDF)   // posted: the target hangs only now; a second selection meets it hung
            dlg.OnMouseSelection((WPARAM)target.Find("CopyTargetHang"), (LPARAM)target.top());
        EXPECT_TRUE(Responsive(main, start)) << "copy method " << method;
    }
}

// The main dialog in-process, modeless, in a temporary working directory
// with a small dictionary: start-up, menu states, closing, clean-up, tray,
// colours and the About box.
#include "framework/App.h"
#include "hooklib/Tapwire.h"
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "tests/ui/MainDlgFixture.h"

#include <gtest/gtest.h>

using namespace uitest;

namespace {

bool Grayed(HMENU menu, UINT id) { return (::GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) != 0; }
bool Checked(HMENU menu, UINT id) { return (::GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

TEST(MainDlgConstruction, MembersStartWithTheirInitialValues)
{
    g_hwndNextViewer = (HWND)0x1234;
    CMainDlg dlg;
    EXPECT_EQ(dlg.m_nIDTemplate, (UINT)IDD_MAIN);
    EXPECT_EQ(dlg.m_hWnd, nullptr) << "construction makes no window";
    EXPECT_EQ(g_hwndNextViewer, nullptr);
    EXPECT_EQ(dlg.m_strTargetTitle, "MSDN Library - January 2001");
    EXPECT_TRUE(dlg.m_strTranslation.empty() && dlg.m_strInput.empty() && dlg.m_strListTranslation.empty());
    EXPECT_NE(dlg.m_hIcon, nullptr);
    ASSERT_NE(dlg.m_pTarget, nullptr);
    EXPECT_EQ(dlg.m_pTarget->m_hwndTop, nullptr);
    EXPECT_EQ(dlg.m_pTarget->m_hwndChild, nullptr);
    EXPECT_EQ(dlg.m_pTarget->m_dwThreadId, 0u);
    EXPECT_FALSE(dlg.m_brDialog || dlg.m_brPanel || dlg.m_brInput);
    EXPECT_EQ(dlg.m_tip.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_bMinimizeToTray, 1);
    EXPECT_EQ(dlg.m_bAutoAttach, 0);
    EXPECT_EQ(dlg.m_bCapturePending, 0);
    EXPECT_EQ(dlg.m_nCopyMethod, COPY_NONE);
    EXPECT_EQ(dlg.m_nCaptureMode, CAPTURE_SELECT);
    EXPECT_EQ(dlg.m_nTimeoutMs, 3000);
    EXPECT_EQ(dlg.m_nAcrobatItem, -1);
    EXPECT_EQ(dlg.m_bHintShown, 0);
    EXPECT_EQ(dlg.m_bAlwaysOnTop, 1);
    EXPECT_EQ(dlg.m_dictionary.m_nCount, 0);
    EXPECT_EQ(dlg.m_bReady, 0);
    const int rows[10] = {70, 86, 102, 118, 134, 150, 166, 182, 198, 214};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(dlg.m_rowY[i], rows[i]);
    EXPECT_EQ(dlg.m_bRowHook, 0);
    EXPECT_EQ(dlg.m_bKeyboardInput, 0);
}

TEST_F(MainDlgFixture, StartsWithBothFilesReadyAndTopMost)
{
    WriteBothFiles();
    HWND previousViewer = ::GetClipboardViewer();
    support::MessageBoxWatcher watcher;
    ASSERT_TRUE(m_dlg->Create());
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_EQ(support::TextOf(m_dlg->m_hWnd), "Wordlumo");
    EXPECT_TRUE(::IsWindowVisible(m_dlg->m_hWnd));
    EXPECT_NE(::GetWindowLongA(m_dlg->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_NE(::GetWindowLongA(m_dlg->m_hWnd, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    HMENU menu = ::GetMenu(m_dlg->m_hWnd);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(Grayed(menu, ID_SET_WINDOW_TITLE));
    EXPECT_FALSE(Grayed(menu, ID_TOOLTIP_ON));
    EXPECT_FALSE(Grayed(menu, ID_AUTOMATIC_ATTACH));
    EXPECT_FALSE(Grayed(menu, ID_EXIT));
    EXPECT_FALSE(Checked(menu, ID_TOOLTIP_ON) || Checked(menu, ID_AUTOMATIC_ATTACH));

    EXPECT_EQ(m_dlg->m_bReady, 1);
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, 4) << "three pairs of data.dat and one of NewData.dat";
    EXPECT_EQ(m_dlg->m_dictionary.Lookup("yours"), u8"твой"_cp1251);
    EXPECT_EQ(::GetClipboardViewer(), m_dlg->m_hWnd);
    EXPECT_EQ(g_hwndNextViewer, previousViewer);
    EXPECT_EQ((HICON)m_dlg->SendMessage(WM_GETICON, ICON_BIG), m_dlg->m_hIcon);
    EXPECT_EQ((HICON)m_dlg->SendMessage(WM_GETICON, ICON_SMALL), m_dlg->m_hIcon);

    ASSERT_NE(m_dlg->m_tip.m_hWnd, nullptr);
    EXPECT_EQ(m_dlg->m_tip.m_nTimerId, 0u);
    EXPECT_EQ(m_dlg->m_tip.m_nStyle, 0);
    for (const CTipWnd& row : m_dlg->m_rowTips) {
        ASSERT_NE(row.m_hWnd, nullptr);
        EXPECT_FALSE(::IsWindowVisible(row.m_hWnd));
        EXPECT_EQ(row.m_nTimerId, 0u);
        EXPECT_EQ(row.m_nStyle, CTipWnd::TIP_ABOVE | CTipWnd::TIP_ROUNDED);
        EXPECT_EQ(BrushColor(row.m_brush), RGB(255, 255, 200));
        LOGFONTA lf{};
        ::GetObjectA(row.m_font, sizeof lf, &lf);
        EXPECT_EQ(lf.lfHeight, PointHeight(120));
    }

    RECT rect, work;
    ::GetWindowRect(m_dlg->m_hWnd, &rect);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR(rect.left, work.left + (work.right - work.left - (rect.right - rect.left)) / 2, 1) << "centred";
}

void ExpectNotReadyStart(MainDlgFixture& f)
{
    bool dialogVisibleDuringBox = true;
    support::MessageBoxWatcher watcher;
    watcher.onBox = [&](HWND) { dialogVisibleDuringBox = ::IsWindowVisible(f.m_dlg->m_hWnd) != FALSE; };
    ASSERT_TRUE(f.m_dlg->Create());
    ASSERT_EQ(watcher.Seen().size(), 1u);
    const support::SeenBox& box = watcher.Seen()[0];
    EXPECT_EQ(box.text, "File data.dat or NewData.dat not found!");
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.icon, ::LoadIconA(nullptr, IDI_HAND));
    EXPECT_TRUE(box.hasOk);
    EXPECT_FALSE(box.hasCancel);
    EXPECT_EQ(box.owner, f.m_dlg->m_hWnd);
    EXPECT_FALSE(dialogVisibleDuringBox) << "the box comes first";

    EXPECT_TRUE(::IsWindowVisible(f.m_dlg->m_hWnd)) << "the dialog stays open";
    HMENU menu = ::GetMenu(f.m_dlg->m_hWnd);
    EXPECT_FALSE(Grayed(menu, ID_SET_WINDOW_TITLE));
    EXPECT_TRUE(Grayed(menu, ID_TOOLTIP_ON));
    EXPECT_FALSE(Grayed(menu, ID_AUTOMATIC_ATTACH));
    EXPECT_EQ(f.m_dlg->m_bReady, 0);
    EXPECT_EQ(f.m_dlg->m_dictionary.m_nCount, 0);
    EXPECT_NE(f.m_dlg->m_tip.m_hWnd, nullptr) << "the main tooltip is made before the files are read";
    EXPECT_EQ(f.m_dlg->m_rowTips[0].m_hWnd, nullptr) << "no row tooltips";
    EXPECT_EQ(::GetClipboardViewer(), f.m_dlg->m_hWnd) << "the chain is joined before the files are read";
}

TEST_F(MainDlgFixture, WithoutDataDatTheErrorBoxComesFirst)
{
    support::WriteDictionary("NewData.dat", {{"yours", u8"твой"_cp1251}});
    ExpectNotReadyStart(*this);
}

TEST_F(MainDlgFixture, WithoutNewDataDatTheErrorBoxComesFirst)
{
    support::WriteDictionary("data.dat", {{"house", u8"къща"_cp1251}});
    ExpectNotReadyStart(*this);
}

TEST_F(MainDlgFixture, EnterAndEscapeLeaveTheDialogOpen)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    m_dlg->SendMessage(WM_COMMAND, IDOK, 0);
    m_dlg->SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(m_dlg->IsEnded());
    EXPECT_TRUE(::IsWindowVisible(m_dlg->m_hWnd));
}

TEST_F(MainDlgFixture, CloseBoxAndExitEndTheRunWithOk)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    m_dlg->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    support::PumpPending();
    EXPECT_TRUE(m_dlg->IsEnded());
    EXPECT_EQ(m_dlg->Result(), IDOK);

    CMainDlg second;
    ASSERT_TRUE(second.Create());
    second.SendMessage(WM_COMMAND, ID_EXIT, 0);
    EXPECT_TRUE(second.IsEnded());
    EXPECT_EQ(second.Result(), IDOK);
    second.DestroyWindow();
}

TEST_F(MainDlgFixture, ClosingIsRefusedWhileTheInputIsTooLong)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    HWND input = m_dlg->GetDlgItem(IDC_INPUT);
    // The typed-word handler may save the controls too, and be refused.
    support::MessageBoxWatcher watcher;
    ::SetWindowTextA(input, std::string(256, 'w').c_str());
    size_t before = watcher.Seen().size();
    m_dlg->SendMessage(WM_CLOSE);
    support::PumpPending();
    ASSERT_EQ(watcher.Seen().size(), before + 1);
    EXPECT_EQ(watcher.Seen().back().text, "Please enter no more than 255 characters.");
    EXPECT_EQ(watcher.Seen().back().caption, ExecutableBaseName());
    EXPECT_FALSE(m_dlg->IsEnded());
    EXPECT_EQ(::GetFocus(), input);
    EXPECT_EQ(::SendMessageA(input, EM_GETLIMITTEXT, 0, 0), 255);
}

TEST_F(MainDlgFixture, DestructionLeavesTheChainRemovesHooksAndFreesTheTarget)
{
    WriteBothFiles();
    support::ClipboardViewer before;   // joined before the dialog: the dialog forwards to it
    ASSERT_TRUE(m_dlg->Create());
    support::ClipboardViewer after;    // joined after the dialog: the dialog is its next
    EXPECT_EQ(g_hwndNextViewer, before.hwnd());

    ASSERT_TRUE(support::PutClipboardText("one"));
    EXPECT_TRUE(support::PumpUntil([&] { return before.drawCount() > 0; })) << "the dialog passes the notice on";

    bool hooked = ::SetTapwire(m_dlg->m_hWnd, ::GetCurrentThreadId(), CAPTURE_SELECT) != 0;
    bool rowHooked = ::SetLButtonHook(m_dlg->m_hWnd, ::GetCurrentThreadId()) != 0;
    HWND hwnd = m_dlg->m_hWnd;
    m_dlg->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(g_hwndNextViewer, nullptr);
    EXPECT_EQ(m_dlg->m_pTarget, nullptr);
    // The viewers run in a thread of their own: the notice may still be on its way.
    EXPECT_TRUE(support::PumpUntil([&] { return after.lastRemoved() == hwnd; }))
        << "the chain was told the dialog left";
    EXPECT_TRUE(support::PumpUntil([&] { return after.next() == before.hwnd(); }));

    int draws = before.drawCount();
    ASSERT_TRUE(support::PutClipboardText("two"));
    EXPECT_TRUE(support::PumpUntil([&] { return before.drawCount() > draws; }))
        << "the chain still reaches the viewer behind";

    if (!hooked || !rowHooked)
        GTEST_SKIP() << "Tapwire installed no hooks here; their removal can't be observed";
    EXPECT_EQ(::ClearTapwire(nullptr), 0) << "the capture hooks were already removed";
    EXPECT_EQ(::ClearLButtonHook(), 0) << "the left-button hook was already removed";
}

TEST_F(MainDlgFixture, MinimisingGoesToTheTrayAndALeftReleaseComesBack)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    m_dlg->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(::IsWindowVisible(m_dlg->m_hWnd));
    EXPECT_FALSE(::IsIconic(m_dlg->m_hWnd)) << "hidden, not minimised";
    EXPECT_EQ(m_dlg->m_nid.cbSize, (DWORD)NOTIFYICONDATAA_V1_SIZE);
    EXPECT_EQ(m_dlg->m_nid.hWnd, m_dlg->m_hWnd);
    EXPECT_EQ(m_dlg->m_nid.uID, (UINT)IDI_WORDLUMO);
    EXPECT_EQ(m_dlg->m_nid.uFlags, (UINT)(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(m_dlg->m_nid.uCallbackMessage, WM_TRAYNOTIFY);
    EXPECT_NE(m_dlg->m_nid.hIcon, nullptr);
    EXPECT_STREQ(m_dlg->m_nid.szTip, "Wordlumo");
    EXPECT_TRUE(TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO));

    for (UINT ignored : {WM_RBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE})
        m_dlg->SendMessage(WM_TRAYNOTIFY, IDI_WORDLUMO, ignored);
    EXPECT_FALSE(::IsWindowVisible(m_dlg->m_hWnd));
    EXPECT_TRUE(TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO));

    m_dlg->SendMessage(WM_TRAYNOTIFY, IDI_WORDLUMO, WM_LBUTTONUP);
    EXPECT_TRUE(::IsWindowVisible(m_dlg->m_hWnd));
    EXPECT_FALSE(TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO));
}

// Pause while in the tray: the icon turns grey and its tip says so; Pause
// again brings both back.
TEST_F(MainDlgFixture, PausedInTheTrayTheIconIsGreyAndItsTipSaysSo)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    m_dlg->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    const HICON coloured = m_dlg->m_nid.hIcon;
    m_dlg->SendMessage(WM_COMMAND, ID_PAUSE, 0);
    EXPECT_TRUE(m_dlg->m_gate.paused);
    EXPECT_NE(m_dlg->m_nid.hIcon, coloured);
    EXPECT_STREQ(m_dlg->m_nid.szTip, "Wordlumo \x97 paused");   // the dash, in Windows-1251 and 1252 alike
    EXPECT_TRUE(TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO));
    m_dlg->SendMessage(WM_COMMAND, ID_PAUSE, 0);
    EXPECT_FALSE(m_dlg->m_gate.paused);
    EXPECT_EQ(m_dlg->m_nid.hIcon, coloured);
    EXPECT_STREQ(m_dlg->m_nid.szTip, "Wordlumo");
}

// A restarted shell has lost every icon and says so with "TaskbarCreated".
TEST_F(MainDlgFixture, ANewTaskbarGetsTheIconBackWhileTheWindowIsInTheTrayOnly)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    m_dlg->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO));
    ::Shell_NotifyIconA(NIM_DELETE, &m_dlg->m_nid);
    ASSERT_FALSE(TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO));
    ::PostMessageA(HWND_BROADCAST, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(support::PumpUntil([&] { return TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO); }));
    EXPECT_FALSE(::IsWindowVisible(m_dlg->m_hWnd));

    m_dlg->SendMessage(WM_TRAYNOTIFY, IDI_WORDLUMO, WM_LBUTTONUP);
    ASSERT_FALSE(TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO));
    m_dlg->SendMessage(g_nMsgTaskbarCreated, 0, 0);
    EXPECT_FALSE(TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO)) << "a window on the screen needs no icon";
}

TEST_F(MainDlgFixture, WithoutTheTrayOptionMinimisingIsOrdinary)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    m_dlg->m_bMinimizeToTray = 0;
    m_dlg->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(support::PumpUntil([&] { return ::IsIconic(m_dlg->m_hWnd) != FALSE; }));
    EXPECT_FALSE(TrayIconExists(m_dlg->m_hWnd, IDI_WORDLUMO));
    EXPECT_EQ((HICON)m_dlg->SendMessage(WM_QUERYDRAGICON), m_dlg->m_hIcon);

    // Painted while minimised: the icon's background is erased first, with
    // the paint DC, and the update region is used up.
    static HWND s_dlg;
    static int s_iconErases;
    s_dlg = m_dlg->m_hWnd;
    s_iconErases = 0;
    HHOOK spy = ::SetWindowsHookExA(WH_CALLWNDPROC, [](int code, WPARAM w, LPARAM l) -> LRESULT {
        const CWPSTRUCT* cwp = (const CWPSTRUCT*)l;
        if (code == HC_ACTION && cwp->hwnd == s_dlg && cwp->message == WM_ICONERASEBKGND && cwp->wParam)
            ++s_iconErases;
        return ::CallNextHookEx(nullptr, code, w, l);
    }, nullptr, ::GetCurrentThreadId());
    ::InvalidateRect(m_dlg->m_hWnd, nullptr, FALSE);
    m_dlg->SendMessage(WM_PAINT);
    ::UnhookWindowsHookEx(spy);
    EXPECT_EQ(s_iconErases, 1);
    EXPECT_FALSE(::GetUpdateRect(m_dlg->m_hWnd, nullptr, FALSE));
}

TEST_F(MainDlgFixture, ControlColourRequestsAnswerTheDialogColours)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    HDC dc = ::CreateCompatibleDC(nullptr);

    HBRUSH first = (HBRUSH)m_dlg->SendMessage(WM_CTLCOLORDLG, (WPARAM)dc, (LPARAM)m_dlg->m_hWnd);
    EXPECT_EQ(BrushColor(first), RGB(0, 0, 250));
    HBRUSH again = (HBRUSH)m_dlg->SendMessage(WM_CTLCOLORDLG, (WPARAM)dc, (LPARAM)m_dlg->m_hWnd);
    EXPECT_EQ(again, m_dlg->m_brDialog.Get());
    if (again != first) {
        EXPECT_EQ(::GetObjectType(first), 0u) << "each request recreates the brush, deleting the last";
    }

    struct Case { UINT msg; int id; };
    for (Case c : {Case{WM_CTLCOLORSTATIC, IDC_TRANSLATION}, Case{WM_CTLCOLORSTATIC, IDC_TARGET_TITLE},
                   Case{WM_CTLCOLOREDIT, IDC_LIST_TRANSLATION}, Case{WM_CTLCOLORLISTBOX, IDC_SUGGESTIONS}}) {
        ::SetBkMode(dc, TRANSPARENT);
        HBRUSH brush = (HBRUSH)m_dlg->SendMessage(c.msg, (WPARAM)dc, (LPARAM)m_dlg->GetDlgItem(c.id));
        EXPECT_EQ(brush, m_dlg->m_brPanel.Get()) << c.id;
        EXPECT_EQ(BrushColor(brush), RGB(0, 0, 150)) << c.id;
        EXPECT_EQ(::GetBkMode(dc), OPAQUE) << c.id;
        EXPECT_EQ(::GetBkColor(dc), RGB(0, 0, 150)) << c.id;
        EXPECT_EQ(::GetTextColor(dc), RGB(255, 255, 255)) << c.id;
    }
    HBRUSH input = (HBRUSH)m_dlg->SendMessage(WM_CTLCOLOREDIT, (WPARAM)dc, (LPARAM)m_dlg->GetDlgItem(IDC_INPUT));
    EXPECT_EQ(input, m_dlg->m_brInput.Get());
    EXPECT_EQ(BrushColor(input), RGB(255, 255, 255));
    EXPECT_EQ(::GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(::GetTextColor(dc), RGB(0, 0, 150));

    HBRUSH other = (HBRUSH)m_dlg->SendMessage(WM_CTLCOLORBTN, (WPARAM)dc, (LPARAM)m_dlg->m_tip.m_hWnd);
    EXPECT_NE(other, m_dlg->m_brPanel.Get());
    EXPECT_NE(other, m_dlg->m_brInput.Get());
    EXPECT_NE(other, m_dlg->m_brDialog.Get());
    ::DeleteDC(dc);
}

// What the user sees: the colours on the screen.
TEST_F(MainDlgFixture, TheDialogIsPaintedInItsColours)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    ::RedrawWindow(m_dlg->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    support::PumpPending();
    auto pixelIn = [&](HWND hwnd, int dx, int dy) {
        POINT pt{dx, dy};
        ::ClientToScreen(hwnd, &pt);
        HDC screen = ::GetDC(nullptr);
        COLORREF color = ::GetPixel(screen, pt.x, pt.y);
        ::ReleaseDC(nullptr, screen);
        return color;
    };
    EXPECT_EQ(pixelIn(m_dlg->m_hWnd, 3, 3), RGB(0, 0, 250)) << "dialog background";
    EXPECT_EQ(pixelIn(m_dlg->GetDlgItem(IDC_TRANSLATION), 20, 20), RGB(0, 0, 150));
    EXPECT_EQ(pixelIn(m_dlg->GetDlgItem(IDC_TARGET_TITLE), 100, 5), RGB(0, 0, 150));
    EXPECT_EQ(pixelIn(m_dlg->GetDlgItem(IDC_INPUT), 100, 5), RGB(255, 255, 255));
}

// Moved to a monitor of 144 DPI: the window stands where Windows suggests,
// its client area is 1.5 times its 96-DPI size, fitted from the 96-DPI
// layout (a second notice changes nothing, a move back gives the 96-DPI size
// back) and the rows' anchors scale. A message carrying no readable
// rectangle (any program can send one) changes nothing.
TEST_F(MainDlgFixture, AMoveToAMonitorOfAnotherDpiRefitsTheDialogAndTheRowsAndABogusOneNothing)
{
    WriteBothFiles();
    ASSERT_TRUE(m_dlg->Create());
    const auto translationBox = [&] {
        RECT box;
        ::GetWindowRect(m_dlg->GetDlgItem(IDC_TRANSLATION), &box);
        ::MapWindowPoints(nullptr, m_dlg->m_hWnd, (POINT*)&box, 2);
        return box;
    };
    RECT before, client96;
    ::GetWindowRect(m_dlg->m_hWnd, &before);
    ::GetClientRect(m_dlg->m_hWnd, &client96);
    const RECT box96 = translationBox();
    m_dlg->SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), (LPARAM)0x10);
    RECT nowhere{-100000, -100000, -99000, -99000};
    m_dlg->SendMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), (LPARAM)&nowhere);
    RECT unmoved;
    ::GetWindowRect(m_dlg->m_hWnd, &unmoved);
    EXPECT_TRUE(::EqualRect(&unmoved, &before));
    EXPECT_EQ(m_dlg->m_rowY[9], 214);

    const auto moveTo = [&](UINT dpi, LONG x, LONG y) {
        RECT suggested{x, y, x + 400, y + 300};
        m_dlg->SendMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), (LPARAM)&suggested);
        RECT window, client;
        ::GetWindowRect(m_dlg->m_hWnd, &window);
        ::GetClientRect(m_dlg->m_hWnd, &client);
        EXPECT_EQ(window.left, x);
        EXPECT_EQ(window.top, y);
        return client;
    };
    const RECT at144 = moveTo(144, before.left + 5, before.top + 5);
    EXPECT_NEAR(at144.right, client96.right * 1.5, 2);
    EXPECT_NEAR(at144.bottom, client96.bottom * 1.5, 2);
    EXPECT_EQ(RowX(m_dlg->LayoutDpi()), 413);
    EXPECT_EQ(m_dlg->m_rowY[0], 105);
    EXPECT_EQ(m_dlg->m_rowY[9], 321);
    const RECT again = moveTo(144, before.left + 6, before.top + 6);
    EXPECT_TRUE(::EqualRect(&again, &at144));
    const RECT box144 = translationBox();
    EXPECT_NEAR(box144.right, box96.right * 1.5, 2);
    EXPECT_NEAR(box144.bottom, box96.bottom * 1.5, 2);
    const RECT back = moveTo(96, before.left, before.top);
    EXPECT_TRUE(::EqualRect(&back, &client96));
    const RECT boxBack = translationBox();
    EXPECT_TRUE(::EqualRect(&boxBack, &box96));
    EXPECT_EQ(m_dlg->m_rowY[9], 214);
}

TEST_F(MainDlgFixture, AboutOpensOverTheDisabledMainDialogAndOkCloses)
{
    WriteBothFiles();
    struct TestApp : CWinApp {
        bool InitInstance() override { return false; }
    } app;
    ASSERT_TRUE(m_dlg->Create());
    app.m_pMainWnd = m_dlg.get();

    static HWND s_main;
    static std::string s_text;
    static bool s_mainDisabled, s_hasIcon, s_seen;
    s_main = m_dlg->m_hWnd;
    s_seen = false;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND about = ::FindWindowA("#32770", "About");
        if (!about || s_seen || !::IsWindowVisible(about))
            return;
        s_seen = true;
        s_text = support::TextOf(::GetWindow(::GetDlgItem(about, IDC_ABOUT_OK), GW_HWNDFIRST));
        s_mainDisabled = !::IsWindowEnabled(s_main) && ::GetWindow(about, GW_OWNER) == s_main;
        HWND icon = ::GetWindow(::GetWindow(::GetDlgItem(about, IDC_ABOUT_OK), GW_HWNDFIRST), GW_HWNDNEXT);
        s_hasIcon = ::SendMessageA(icon, STM_GETICON, 0, 0) != 0;
        ::SendMessageA(::GetDlgItem(about, IDC_ABOUT_OK), BM_CLICK, 0, 0);
    });
    m_dlg->SendMessage(WM_COMMAND, ID_ABOUT, 0);
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(s_seen);
    EXPECT_EQ(s_text, "Wordlumo");
    EXPECT_TRUE(s_mainDisabled);
    EXPECT_TRUE(s_hasIcon);
    EXPECT_TRUE(::IsWindowEnabled(m_dlg->m_hWnd)) << "enabled again afterwards";
    EXPECT_FALSE(m_dlg->IsEnded());
    app.m_pMainWnd = nullptr;
}

} // namespace

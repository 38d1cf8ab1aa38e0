// The File menu's target commands and their dialogs, in Zeto's real main
// dialog. The modal dialogs are driven from a second thread, as a user
// would: it waits for each dialog, sets its controls and presses a button.
#include "CaptureWine.h"

#include "capture/DocFormatDlg.h"
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

HWND WaitDialog(const std::string& caption)
{
    HWND hwnd = nullptr;
    support::PumpUntil([&] {
        hwnd = ::FindWindowA("#32770", caption.c_str());
        return hwnd && ::IsWindowVisible(hwnd);
    });
    return hwnd;
}

void Check(HWND dialog, int checkedId, std::initializer_list<int> group)
{
    for (int id : group)
        ::SendMessageA(::GetDlgItem(dialog, id), BM_SETCHECK, id == checkedId ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Press(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, id));
}

const char CAPTION_MODE[] = "Choose [ Mouse Or Keyboard ]";
const char CAPTION_FORMAT[] = "Choose Format Of Document  ";
const std::initializer_list<int> MODES = {IDC_MODE_SELECT, IDC_MODE_CTRL_C, IDC_MODE_RB_COPY, IDC_MODE_ALL};
const std::initializer_list<int> FORMATS = {IDC_FORMAT_OTHER, IDC_FORMAT_DOC, IDC_FORMAT_HTML, IDC_FORMAT_HELP,
                                            IDC_FORMAT_PDF};

// Whether any child of hwnd shows text (the message box's text is a static
// whose id differs between systems).
bool HasChildText(HWND hwnd, const std::string& text)
{
    struct Search {
        const std::string* text;
        bool found;
    } search{&text, false};
    ::EnumChildWindows(hwnd, [](HWND child, LPARAM lParam) -> BOOL {
        auto* s = (Search*)lParam;
        char shown[256] = "";
        ::GetWindowTextA(child, shown, sizeof shown);
        s->found = s->found || *s->text == shown;
        return !s->found;
    }, (LPARAM)&search);
    return search.found;
}

UINT State(CMainDlg& dlg, UINT id) { return ::GetMenuState(::GetMenu(dlg.m_hWnd), id, MF_BYCOMMAND); }

}  // namespace

TEST(TargetCommands, AutomaticAttachSwitchesTheMenu)
{
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.OnAutomaticAttach();
    EXPECT_EQ(1, dlg.m_bAutoAttach);
    EXPECT_EQ("Automatic attach", dlg.m_strTargetTitle);
    EXPECT_TRUE(State(dlg, ID_AUTOMATIC_ATTACH) & MF_CHECKED);
    EXPECT_TRUE(State(dlg, ID_TOOLTIP_ON) & MF_GRAYED);
    EXPECT_TRUE(State(dlg, ID_SET_WINDOW_TITLE) & MF_GRAYED);
    dlg.OnAutomaticAttach();
    EXPECT_EQ(0, dlg.m_bAutoAttach);
    EXPECT_FALSE(State(dlg, ID_AUTOMATIC_ATTACH) & MF_CHECKED);
    EXPECT_FALSE(State(dlg, ID_TOOLTIP_ON) & MF_GRAYED);
    EXPECT_TRUE(State(dlg, ID_SET_WINDOW_TITLE) & MF_GRAYED);
    // A release reported by a target that has not yet seen its hook go.
    ASSERT_TRUE(support::PutClipboardText("apple"));
    dlg.m_nCopyMethod = COPY_OTHER;
    EXPECT_EQ(0, dlg.OnMouseSelection(0, 0));
    EXPECT_EQ("apple", support::ClipboardText());
}

TEST(TargetCommands, SelectModeThenCancelledFormatGivesOther)
{
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    std::thread user([] {
        HWND mode = WaitDialog(CAPTION_MODE);
        Check(mode, IDC_MODE_SELECT, MODES);
        Press(mode, IDOK);
        HWND format = WaitDialog(CAPTION_FORMAT);
        Check(format, IDC_FORMAT_HTML, FORMATS);
        Press(format, IDCANCEL);
    });
    dlg.m_nCaptureMode = CAPTURE_ALL;
    dlg.ChooseCaptureMode();
    user.join();
    EXPECT_EQ(CAPTURE_SELECT, dlg.m_nCaptureMode);
    EXPECT_EQ(COPY_OTHER, dlg.m_nCopyMethod);
    EXPECT_EQ(-1, dlg.m_nAcrobatItem);
}

TEST(TargetCommands, PdfFormatAsksForTheAcrobatVersion)
{
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    std::thread user([] {
        HWND mode = WaitDialog(CAPTION_MODE);
        Check(mode, IDC_MODE_SELECT, MODES);
        Press(mode, IDOK);
        HWND format = WaitDialog(CAPTION_FORMAT);
        Check(format, IDC_FORMAT_PDF, FORMATS);
        Press(format, IDC_FORMAT_PDF);
        HWND version = WaitDialog("Acrobat Reader");
        Check(version, IDC_ACROBAT_4, {IDC_ACROBAT_5, IDC_ACROBAT_4});
        Press(version, IDC_ACROBAT_OK);
        support::PumpUntil([&] { return !::IsWindow(version); });
        Press(format, IDOK);
    });
    dlg.ChooseCaptureMode();
    user.join();
    EXPECT_EQ(COPY_PDF, dlg.m_nCopyMethod);
    EXPECT_EQ(3, dlg.m_nAcrobatItem);
}

TEST(TargetCommands, CancelledModeKeepsTheMode)
{
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_nCaptureMode = CAPTURE_RB_COPY;
    std::thread user([] {
        HWND mode = WaitDialog(CAPTION_MODE);
        Check(mode, IDC_MODE_ALL, MODES);
        Press(mode, IDCANCEL);
    });
    dlg.ChooseCaptureMode();
    user.join();
    EXPECT_EQ(CAPTURE_RB_COPY, dlg.m_nCaptureMode);
    EXPECT_EQ(COPY_NONE, dlg.m_nCopyMethod);
}

TEST(TargetCommands, WindowTitleFoundBecomesTheTarget)
{
    CopyTarget target("browser", "Title to find");
    ASSERT_TRUE(target.top());
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_strTargetTitle = "Title to find";
    bool stillOpenAfterEnter = false;
    std::thread user([&] {
        HWND title = WaitDialog("Aplication Title");
        // Enter is not OK here.
        ::SendMessageA(title, WM_COMMAND, IDOK, 0);
        stillOpenAfterEnter = ::IsWindowVisible(title) != 0;
        Press(title, IDC_WINDOW_TITLE_OK);
    });
    EXPECT_TRUE(dlg.OnSetWindowTitle());
    user.join();
    EXPECT_TRUE(stillOpenAfterEnter);
    EXPECT_EQ(target.top(), dlg.m_pTarget->m_hwndTop);
    EXPECT_EQ(::GetWindowThreadProcessId(target.top(), nullptr), dlg.m_pTarget->m_dwThreadId);
    EXPECT_FALSE(State(dlg, ID_TOOLTIP_ON) & MF_GRAYED);
    EXPECT_TRUE(State(dlg, ID_SET_WINDOW_TITLE) & MF_GRAYED);
    char shown[256] = "";
    ::GetDlgItemTextA(dlg.m_hWnd, IDC_TARGET_TITLE, shown, sizeof shown);
    EXPECT_STREQ("Title to find", shown);
}

TEST(TargetCommands, UnknownTitleAsksToRetryAndCancelEndsIt)
{
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_strTargetTitle = "No window has this title";
    bool retried = false;
    std::thread user([&] {
        HWND title = WaitDialog("Aplication Title");
        Press(title, IDC_WINDOW_TITLE_OK);
        HWND box = WaitDialog(u8"Внимание!!!"_cp1251);
        bool asked = HasChildText(box, u8"Опитай пак!!!"_cp1251);
        // OK keeps the dialog open for another try; Cancel gives up.
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        support::PumpUntil([&] { return !::IsWindow(box); });
        retried = asked && ::IsWindowVisible(title);
        Press(title, IDC_WINDOW_TITLE_OK);
        box = WaitDialog(u8"Внимание!!!"_cp1251);
        ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(dlg.OnSetWindowTitle());
    user.join();
    EXPECT_TRUE(retried);
    EXPECT_EQ(nullptr, dlg.m_pTarget->m_hwndTop);
}

TEST(TargetCommands, ToolTipOnCancelledInstallsNothing)
{
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    std::thread user([] { ::PostMessageA(WaitDialog("Aplication Title"), WM_COMMAND, IDCANCEL, 0); });
    dlg.OnToolTipOn();
    user.join();
    EXPECT_FALSE(State(dlg, ID_TOOLTIP_ON) & MF_CHECKED);
    EXPECT_EQ(::FindWindowA("#32770", CAPTION_MODE), nullptr);
}

TEST(DocFormatDlg, WhiteOnBlue)
{
    CaptureDialog main;
    CDocFormatDlg format(&main.dlg());
    ASSERT_TRUE(format.Create(main.dlg().m_hWnd));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBRUSH brush = (HBRUSH)::SendMessageA(format.m_hWnd, WM_CTLCOLORDLG, (WPARAM)dc, (LPARAM)format.m_hWnd);
    LOGBRUSH lb{};
    ASSERT_TRUE(::GetObjectA(brush, sizeof lb, &lb));
    EXPECT_EQ(RGB(0, 0, 250), lb.lbColor);
    EXPECT_EQ(RGB(255, 255, 255), ::GetTextColor(dc));
    EXPECT_EQ(RGB(0, 0, 250), ::GetBkColor(dc));
    // A new brush each time; the previous one is gone.
    HBRUSH again = (HBRUSH)::SendMessageA(format.m_hWnd, WM_CTLCOLORSTATIC, (WPARAM)dc,
                                          (LPARAM)format.GetDlgItem(IDC_FORMAT_DOC));
    EXPECT_EQ(again, format.m_brBack.Get());
    ::DeleteDC(dc);
    format.DestroyWindow();
}

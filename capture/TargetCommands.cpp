// The File menu's target commands: Set Window Title, Tool Tip On, Automatic Attach.
#include "ui/MainDlg.h"

#include "capture/CaptureModeDlg.h"
#include "capture/DocFormatDlg.h"
#include "capture/WindowTitleDlg.h"
#include "framework/Menu.h"
#include "framework/Text.h"
#include "hooklib/Tapwire.h"
#include "res/resource.h"
#include "text/Cp1251Literal.h"

#include <cstdio>

namespace {
constexpr auto TEXT_NO_MOUSE_WATCH =
    cp1251::Literal(u8"Изборът с мишката не може да се следи; преводът при маркиране е изключен.");

void ShowErrorNumber(HWND dialog)
{
    SetItemText(dialog, IDC_TRANSLATION, std::to_string((int)::GetLastError()));
}
}  // namespace

// Checked: the hooks go and the main dialog leaves the top-most band.
// Unchecked: the user picks the target window and the gesture, then the
// hooks watch the target's thread.
void CMainDlg::OnToolTipOn()
{
    HMENU menu = ::GetMenu(m_hWnd);
    if (CheckMenuItemById(menu, ID_TOOLTIP_ON, false)) {
        RemoveCaptureHooks();
        ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        GrayMenuItem(menu, ID_SET_WINDOW_TITLE);
        EnableMenuItemById(menu, ID_TOOLTIP_ON);
        return;
    }
    if (OnSetWindowTitle()) {
        ChooseCaptureMode();
        InstallHooks(menu);
    }
}

// True when the user named an existing window; it becomes the target.
BOOL CMainDlg::OnSetWindowTitle()
{
    CWindowTitleDlg dlg(this);
    dlg.m_strTitle = m_strTargetTitle;
    if (dlg.DoModal() != IDOK) {
        ShowTargetTitle();
        return FALSE;
    }
    m_pTarget->m_hwndTop = dlg.m_hwndFound;
    m_pTarget->m_dwThreadId = dlg.m_dwFoundThreadId;
    m_strTargetTitle = dlg.m_strTitle;
    HMENU menu = ::GetMenu(m_hWnd);
    EnableMenuItemById(menu, ID_TOOLTIP_ON);
    GrayMenuItem(menu, ID_SET_WINDOW_TITLE);
    ShowTargetTitle();
    return TRUE;
}

// Every thread of the desktop, all three gestures; each mouse selection
// attaches to the window it happened in.
void CMainDlg::OnAutomaticAttach()
{
    HMENU menu = ::GetMenu(m_hWnd);
    if (CheckMenuItemById(menu, ID_AUTOMATIC_ATTACH, true)) {
        RemoveCaptureHooks();
        CheckMenuItemById(menu, ID_AUTOMATIC_ATTACH, false);
        EnableMenuItemById(menu, ID_TOOLTIP_ON);
        m_bAutoAttach = 0;
        SaveSettings();
        return;
    }
    m_strTargetTitle = "Automatic attach";
    UpdateData(false);
    if (::SetTapwire(m_hWnd, 0, CAPTURE_ALL))
        WatchSelections();
    else
        ShowErrorNumber(m_hWnd);
    GrayMenuItem(menu, ID_SET_WINDOW_TITLE);
    GrayMenuItem(menu, ID_TOOLTIP_ON);
    m_bAutoAttach = 1;
    SaveSettings();
}

// The mouse gesture needs to know how the target copies (the user says, or
// for all gestures the title and window tree tell); the keyboard gestures
// let the target copy by itself.
void CMainDlg::ChooseCaptureMode()
{
    CCaptureModeDlg modeDlg(this);
    modeDlg.m_nMode = m_nCaptureMode;
    if (modeDlg.DoModal() != IDOK)
        return;
    m_nCaptureMode = modeDlg.m_nMode;
    if (m_nCaptureMode == CAPTURE_ALL) {
        DetectCopyMethod();
    } else if (m_nCaptureMode == CAPTURE_SELECT) {
        CDocFormatDlg formatDlg(this);
        formatDlg.m_nFormat = 0;
        formatDlg.DoModal();
        // Cancel too: the format is still the 0 it was given.
        m_nCopyMethod = formatDlg.m_nFormat;
        m_nAcrobatItem = formatDlg.m_nAcrobatItem;
    }
}

// Tapwire now reports mouse releases: they are taken, and the low-level
// watch tells selections from clicks. Without the watch a report can't tell
// a double click from a plain click, so none is taken (the mouse road is
// off, the copy gestures still work), and the user is told once.
void CMainDlg::WatchSelections()
{
    if (!m_mouseWatch.Start())
        SetItemText(m_hWnd, IDC_TRANSLATION, TEXT_NO_MOUSE_WATCH.c_str());
}

// A target reports a mouse release when it takes the message from its queue,
// which may be after the hooks went: the last release of a double click, say,
// or any release while the target still runs a hook it has not yet seen
// removed. Such reports are dropped now and ignored from now on; else, with
// no watch to tell them from a click, they would borrow the clipboard for a
// selection nobody is making.
void CMainDlg::RemoveCaptureHooks()
{
    ::ClearTapwire(m_hWnd);
    m_mouseWatch.Stop();
    MSG msg;
    const UINT selection = g_tapwireMessages.mouseSelection;
    while (::PeekMessageA(&msg, m_hWnd, selection, selection, PM_REMOVE | PM_QS_POSTMESSAGE)) {
    }
}

// Checks "Tool Tip On" and hooks the target's thread; the main dialog becomes
// top-most. When the hooks can't be installed, edit 1001 shows the system's
// error number and the item stays checked.
void CMainDlg::InstallHooks(HMENU menu)
{
    CheckMenuItemById(menu, ID_TOOLTIP_ON, true);
    if (::SetTapwire(m_hWnd, m_pTarget->m_dwThreadId, m_nCaptureMode)) {
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        if (m_nCaptureMode == CAPTURE_SELECT || m_nCaptureMode == CAPTURE_ALL)
            WatchSelections();
    } else {
        ShowErrorNumber(m_hWnd);
    }
}

// Tools > Copy With Ctrl+C When Needed: checked, a target that ignores the
// copy request gets Ctrl+C (capture/SelectionCapture.cpp).
void CMainDlg::OnCopyWithCtrlC()
{
    ToggleSwitch(m_settings.copyWithCtrlC, ID_COPY_WITH_CTRL_C);
}

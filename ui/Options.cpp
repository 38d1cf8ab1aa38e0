// The Options command: the dialog is filled from the main dialog's settings
// and, on OK, they are taken back in a fixed order. Transparency applied
// while it was open stays, whatever the dialog's result.
#include "ui/MainDlg.h"

#include "capture/KeepOut.h"
#include "res/resource.h"
#include "ui/OptionsDlg.h"

void CMainDlg::OnOptions()
{
    COptionsDlg dlg;
    dlg.m_nTimeoutSec = m_nTimeoutMs / 1000;
    dlg.m_hwndThis = m_hWnd;
    dlg.m_hwndOther = m_pTarget ? m_pTarget->m_hwndTop : nullptr;
    dlg.m_bMinimizeToTray = m_bMinimizeToTray;
    dlg.m_bAlwaysOnTop = m_bAlwaysOnTop;
    dlg.m_bKeyboardInput = m_bKeyboardInput;
    dlg.m_pauseHotkey = m_settings.pauseHotkey;
    dlg.m_heldHotkey = m_hotkeys.Held(Hotkeys::PAUSE);
    dlg.m_speakHotkey = m_settings.speakHotkey;
    dlg.m_heldSpeakHotkey = m_hotkeys.Held(Hotkeys::SPEAK);
    dlg.m_strIgnoredPrograms = JoinProgramList(m_gate.ignoredPrograms, "\r\n");
    if (dlg.DoModal() != IDOK)
        return;

    m_bMinimizeToTray = dlg.m_bMinimizeToTray;
    m_bAlwaysOnTop = dlg.m_bAlwaysOnTop;
    m_nTimeoutMs = dlg.m_nTimeoutSec * 1000;
    m_bKeyboardInput = dlg.m_bKeyboardInput;
    m_gate.ignoredPrograms = ParseProgramList(dlg.m_strIgnoredPrograms);
    if (dlg.m_pauseHotkey != m_settings.pauseHotkey || m_hotkeys.Held(Hotkeys::PAUSE).key == 0) {
        m_settings.pauseHotkey = dlg.m_pauseHotkey;
        RegisterPauseHotkey();
    }
    if (dlg.m_speakHotkey != m_settings.speakHotkey || m_hotkeys.Held(Hotkeys::SPEAK).key == 0) {
        m_settings.speakHotkey = dlg.m_speakHotkey;
        RegisterSpeakHotkey();
    }
    // Turning list mode on shows nothing yet: the next typed change does.
    if (m_bKeyboardInput == 0) {
        ::ShowWindow(GetDlgItem(IDC_SUGGESTIONS), SW_HIDE);
        ::ShowWindow(GetDlgItem(IDC_LIST_TRANSLATION), SW_HIDE);
        ::ShowWindow(GetDlgItem(IDC_TRANSLATION), SW_SHOW);
    }
    if (dlg.m_bFontChanged) {
        m_settings.tipFontFace = dlg.m_strFontFace;
        m_settings.tipFontSize = dlg.m_nFontSize;
        m_tip.SetTipFont(m_settings.tipFontSize, m_settings.tipFontFace.c_str());
    }
    // A window that is not top-most would get lost behind others: it goes
    // to the tray instead, whatever "Minimize in systray" said.
    if (m_bAlwaysOnTop) {
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    } else {
        m_bMinimizeToTray = 1;
        ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        OnSysCommand(SC_MINIMIZE, 0);
    }
    SaveSettings();
}

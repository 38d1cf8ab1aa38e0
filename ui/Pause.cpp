// Pause: every capture off and on again, from Tools > Pause or the pause
// hotkey (Ctrl+Alt+Z unless changed in Options). While paused nothing is
// read from or put on the clipboard, no key is pressed and no tooltip shows
// (CaptureGate); the menu's check mark says so, and so does the tray icon
// (CTrayIcon). Zeto.ini keeps it.
#include "ui/MainDlg.h"

#include "framework/Menu.h"
#include "res/resource.h"
#include "text/Cp1251Literal.h"

namespace {

constexpr auto NOTE_HOTKEY_TAKEN_AFTER =
    cp1251::Literal(u8" е заета от друга програма: изберете друга клавишна комбинация за пауза в Options.");

} // namespace

void CMainDlg::OnPause()
{
    SetPaused(!m_gate.paused);
    SaveSettings();
}

LRESULT CMainDlg::OnHotKey(WPARAM id, LPARAM)
{
    if (id == Hotkeys::PAUSE)
        OnPause();
    else if (id == Hotkeys::SPEAK)
        OnSpeak();
    return 0;
}

// A copy gesture already waiting for its clipboard change is dropped with
// the rest.
void CMainDlg::SetPaused(bool paused)
{
    m_gate.paused = paused;
    CheckMenuItemById(::GetMenu(m_hWnd), ID_PAUSE, paused);
    if (paused) {
        m_bCapturePending = 0;
        m_tip.Hide();
    }
    m_tray.ShowPaused(paused);
}

void CMainDlg::RegisterPauseHotkey()
{
    m_hotkeys.Hold(m_hWnd, Hotkeys::PAUSE, m_settings.pauseHotkey, ID_PAUSE, "Pause", NOTE_HOTKEY_TAKEN_AFTER.c_str());
}

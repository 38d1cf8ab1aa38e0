// The main window's icon in the tray while the window hides behind it. The
// shell may refuse the icon (not up yet, or busy restarting) or lose it (a
// new taskbar, "TaskbarCreated"): while the window stays in the tray the
// icon is offered again, every second, on a timer of its own.
#pragma once
#include "framework/TimerWindow.h"

#include <windows.h>
#include <shellapi.h>

class CTrayIcon {
public:
    // nid: the icon's data, owned by the window and filled by it; read at
    // every offer to the shell.
    explicit CTrayIcon(NOTIFYICONDATAA& nid);
    ~CTrayIcon();   // a window destroyed while in the tray takes its icon with it
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // The icon and tip in nid: icon, or while paused a grey copy of it and
    // "Wordlumo — paused".
    void Fill(HICON icon);
    // Pause went on or off: the icon in the tray follows.
    void ShowPaused(bool paused);
    // The window goes into the tray, or comes back out of it.
    void Enter();
    void Leave();
    bool InTray() const { return m_inTray; }
    // The icon or tip in nid changed.
    void Refresh();
    // A new taskbar knows no icon of ours.
    void OnTaskbarCreated();

private:
    void Offer();

    NOTIFYICONDATAA& m_nid;
    bool m_inTray = false;   // the window is hidden behind its icon, whether the shell has it or not
    bool m_shown = false;    // the shell has the icon
    bool m_paused = false;
    HICON m_hIcon = nullptr;         // the window's, as last filled in
    HICON m_hPausedIcon = nullptr;   // its grey copy, made at the first pause
    CTimerWindow m_retry{[this] { Offer(); }};
};

// Tapwire: the hook library, and the whole contract between it and Zeto.
// Zeto hands it a window to notify; the hook procedures, running inside
// other applications' threads, post registered messages to that window.
// Only integers and window handles cross over. Both sides register the
// messages with RegisterTapwireMessages below and so obtain the same numbers.
#pragma once
#include <windows.h>

// The library's file, beside Zeto.exe.
constexpr char TAPWIRE_DLL[] = "Tapwire.dll";

// Capture modes, the mode of SetTapwire: which gestures are reported.
constexpr int CAPTURE_SELECT = 0;    // a left-button release or double click (message hook)
constexpr int CAPTURE_CTRL_C = 1;    // the C key while Ctrl is down or toggled (keyboard hook)
constexpr int CAPTURE_RB_COPY = 2;   // a left release after a right release: context-menu Copy (mouse hook)
constexpr int CAPTURE_ALL = 3;       // all three

// The registered messages the hooks post, all with PostMessageA: this
// process's number for each. The names are registered here and nowhere else,
// so every process that calls this gets the same numbers.
struct TapwireMessages {
    // A selection: wParam the window that got the release, lParam the foreground window.
    UINT mouseSelection;
    // Ctrl+C: wParam 0, lParam the foreground window.
    UINT ctrlC;
    // Right button + Copy: wParam 0, lParam the foreground window.
    UINT rbuttonCopy;
    // A left-button press, from the left-button hook: wParam x, lParam y, screen.
    UINT lbuttonPress;
};

inline TapwireMessages RegisterTapwireMessages()
{
    return {
        RegisterWindowMessageA("UWM_MOUSEMOVE_MSG-44E531B1_14D3_11d5_A025_006067718D04"),
        RegisterWindowMessageA("UWM_KEYBOARD_CTRLC"),
        RegisterWindowMessageA("UWM_RBUTTONUPMOUSE_MSG"),
        RegisterWindowMessageA("UWM_KEYPRESS_LBUTTONUP_MSG"),
    };
}

// Each side keeps its numbers here, registered before any message can
// arrive: Tapwire when a process maps it, Zeto during static initialisation.
extern TapwireMessages g_tapwireMessages;

extern "C" {
// Installs the capture hooks of `mode` for `threadId` (0: every thread of
// the desktop). 1: every hook of the mode installed and hwndNotify stored;
// 0: a hook failed (GetLastError tells why) or the mode is not 0 to 3.
int WINAPI SetTapwire(HWND hwndNotify, DWORD threadId, int mode);
// Removes the capture hooks of the last SetTapwire; nonzero when all went.
// The argument is not used.
int WINAPI ClearTapwire(HWND hwnd);
// Installs the left-button hook for `threadId`; 1 on success, else 0.
int WINAPI SetLButtonHook(HWND hwndNotify, DWORD threadId);
// Removes the left-button hook; the result of UnhookWindowsHookEx.
int WINAPI ClearLButtonHook(void);
}

// Tapwire: the hook library, and the whole contract between it and Zeto.
// Zeto hands it a window to notify; the hook procedures, running inside
// other applications' threads, post registered messages to that window.
// Only integers and window handles cross over. Both sides register the
// message names below and so obtain the same numbers.
#pragma once
#include <windows.h>

// The library's file, beside Zeto.exe.
constexpr char TAPWIRE_DLL[] = "Tapwire.dll";

// Capture modes, the mode of SetTapwire: which gestures are reported.
constexpr int CAPTURE_SELECT = 0;    // a left-button release or double click (message hook)
constexpr int CAPTURE_CTRL_C = 1;    // the C key while Ctrl is down or toggled (keyboard hook)
constexpr int CAPTURE_RB_COPY = 2;   // a left release after a right release: context-menu Copy (mouse hook)
constexpr int CAPTURE_ALL = 3;       // all three

// The registered messages the hooks post, all with PostMessageA.
// A selection: wParam the window that got the release, lParam the foreground window.
constexpr char MSG_NAME_MOUSE_SELECTION[] = "UWM_MOUSEMOVE_MSG-44E531B1_14D3_11d5_A025_006067718D04";
// Ctrl+C: wParam 0, lParam the foreground window.
constexpr char MSG_NAME_KEYBOARD_CTRLC[] = "UWM_KEYBOARD_CTRLC";
// Right button + Copy: wParam 0, lParam the foreground window.
constexpr char MSG_NAME_RBUTTON_COPY[] = "UWM_RBUTTONUPMOUSE_MSG";
// A left-button press, from the left-button hook: wParam x, lParam y, screen.
constexpr char MSG_NAME_LBUTTON_PRESS[] = "UWM_KEYPRESS_LBUTTONUP_MSG";

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

// Tapwire: the hook library. Zeto hands it a window to notify; the hook
// procedures, running inside other applications' threads, post registered
// messages to that window. Only integers and window handles cross over.
#pragma once
#include <windows.h>

// The library's file, beside Zeto.exe.
constexpr char TAPWIRE_DLL[] = "Tapwire.dll";

#ifdef __cplusplus
extern "C" {
#endif
// Installs the capture hooks of `mode` (0 selection, 1 Ctrl+C, 2 right-button
// Copy, 3 all three) for `threadId` (0: every thread of the desktop).
// 1: every hook of the mode installed and hwndNotify stored; 0: a hook failed
// (GetLastError tells why) or the mode is not 0 to 3.
int WINAPI SetTapwire(HWND hwndNotify, DWORD threadId, int mode);
// Removes the capture hooks of the last SetTapwire; nonzero when all went.
// The argument is not used.
int WINAPI ClearTapwire(HWND hwnd);
// Installs the left-button hook for `threadId`; 1 on success, else 0.
int WINAPI SetLButtonHook(HWND hwndNotify, DWORD threadId);
// Removes the left-button hook; the result of UnhookWindowsHookEx.
int WINAPI ClearLButtonHook(void);
#ifdef __cplusplus
}
#endif

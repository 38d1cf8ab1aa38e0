// Tapwire's state: three words shared by every process that maps the
// library, and the rest private to each process.
#pragma once
#include <windows.h>

// Shared section ".ZETO", 12 bytes. A window handle is significant in its
// low 32 bits even on x64, so it is kept as a LONG and sign-extended back.
extern volatile LONG g_hwndNotify;         // receives the capture messages
extern volatile LONG g_hwndLastMsg;        // window of the last message the selection hook saw
extern volatile LONG g_hwndLButtonNotify;  // receives the left-button presses

inline HWND SharedToHwnd(LONG value) { return static_cast<HWND>(LongToHandle(value)); }
inline LONG HwndToShared(HWND hwnd) { return HandleToLong(hwnd); }

// Per process. The hook handles are only ever set in the installing process.
enum HookSlot { SLOT_MESSAGE = 0, SLOT_KEYBOARD = 1, SLOT_MOUSE = 2, SLOT_COUNT = 3 };

extern HINSTANCE g_hInstance;
extern HHOOK g_hHooks[SLOT_COUNT];
extern HHOOK g_hLButtonHook;
extern int g_bAllHooks;    // the last SetTapwire installed all three hooks
extern int g_nHookIndex;   // slot of the one hook of the last single-hook SetTapwire
extern int g_bRButtonUp;   // a right release here still waits for its left release

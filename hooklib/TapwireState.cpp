#include "TapwireState.h"

#include "Tapwire.h"

// Built with -fno-toplevel-reorder: the three words must lie in the section
// in this order. Zero-initialised explicitly, or the compiler would move
// them to .bss and the section would not be shared.
__attribute__((section(".ZETO"), shared)) volatile LONG g_hwndNotify = 0;
__attribute__((section(".ZETO"), shared)) volatile LONG g_hwndLastMsg = 0;
__attribute__((section(".ZETO"), shared)) volatile LONG g_hwndLButtonNotify = 0;

HINSTANCE g_hInstance;
UINT g_uMouseMoveMsg;
UINT g_uKeyboardCtrlCMsg;
UINT g_uRButtonUpMouseMsg;
UINT g_uKeypressLButtonUpMsg;
HHOOK g_hHooks[SLOT_COUNT];
HHOOK g_hLButtonHook;
int g_bAllHooks;
int g_nHookIndex;
int g_bRButtonUp;

void RegisterTapwireMessages()
{
    g_uMouseMoveMsg = RegisterWindowMessageA(MSG_NAME_MOUSE_SELECTION);
    g_uKeyboardCtrlCMsg = RegisterWindowMessageA(MSG_NAME_KEYBOARD_CTRLC);
    g_uRButtonUpMouseMsg = RegisterWindowMessageA(MSG_NAME_RBUTTON_COPY);
    g_uKeypressLButtonUpMsg = RegisterWindowMessageA(MSG_NAME_LBUTTON_PRESS);
}

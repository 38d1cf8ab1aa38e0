#include "TapwireState.h"

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
    g_uMouseMoveMsg = RegisterWindowMessageA("UWM_MOUSEMOVE_MSG-44E531B1_14D3_11d5_A025_006067718D04");
    g_uKeyboardCtrlCMsg = RegisterWindowMessageA("UWM_KEYBOARD_CTRLC");
    g_uRButtonUpMouseMsg = RegisterWindowMessageA("UWM_RBUTTONUPMOUSE_MSG");
    g_uKeypressLButtonUpMsg = RegisterWindowMessageA("UWM_KEYPRESS_LBUTTONUP_MSG");
}

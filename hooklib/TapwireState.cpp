#include "TapwireState.h"

#include "Tapwire.h"

// Built with -fno-toplevel-reorder: the three words must lie in the section
// in this order. Zero-initialised explicitly, or the compiler would move
// them to .bss and the section would not be shared.
__attribute__((section(".ZETO"), shared)) volatile LONG g_hwndNotify = 0;
__attribute__((section(".ZETO"), shared)) volatile LONG g_hwndLastMsg = 0;
__attribute__((section(".ZETO"), shared)) volatile LONG g_hwndLButtonNotify = 0;

HINSTANCE g_hInstance;
TapwireMessages g_tapwireMessages;
HHOOK g_hHooks[SLOT_COUNT];
HHOOK g_hLButtonHook;
int g_bAllHooks;
int g_nHookIndex;
int g_bRButtonUp;

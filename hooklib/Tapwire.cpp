// Placeholder exports until the hook procedures are built.
#include "Tapwire.h"
extern "C" int WINAPI SetTapwire(HWND, DWORD, int) { return 0; }
extern "C" int WINAPI ClearTapwire(HWND) { return 0; }
extern "C" int WINAPI SetLButtonHook(HWND, DWORD) { return 0; }
extern "C" int WINAPI ClearLButtonHook(void) { return 0; }

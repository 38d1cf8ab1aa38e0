#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif
int WINAPI SetTapwire(HWND hwndNotify, DWORD threadId, int mode);
int WINAPI ClearTapwire(HWND hwnd);
int WINAPI SetLButtonHook(HWND hwndNotify, DWORD threadId);
int WINAPI ClearLButtonHook(void);
#ifdef __cplusplus
}
#endif

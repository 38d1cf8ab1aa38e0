#include "ui/EditKeys.h"

#include <commctrl.h>

namespace {

bool IsCloseKey(UINT msg, WPARAM key)
{
    return (msg == WM_KEYDOWN || msg == WM_CHAR) && (key == VK_ESCAPE || key == VK_RETURN);
}

LRESULT CALLBACK KeepCloseKeysProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    if (IsCloseKey(msg, wParam))
        return 0;
    if (msg == WM_NCDESTROY)
        ::RemoveWindowSubclass(hwnd, KeepCloseKeysProc, id);
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
}

} // namespace

void KeepCloseKeysIn(HWND edit) { ::SetWindowSubclass(edit, KeepCloseKeysProc, 0, 0); }

// Tapwire's shared section as this process sees it, found through the
// section table of the loaded Tapwire.dll.
#pragma once
#include <windows.h>

struct SharedSection {
    const volatile LONG* words = nullptr;  // null when the section is missing
    DWORD virtualSize = 0;
    DWORD characteristics = 0;

    LONG hwndNotify() const { return words[0]; }
    LONG hwndLastMsg() const { return words[1]; }
    LONG hwndLButtonNotify() const { return words[2]; }
};

SharedSection FindTapwireSection();

inline LONG AsShared(HWND hwnd) { return HandleToLong(hwnd); }

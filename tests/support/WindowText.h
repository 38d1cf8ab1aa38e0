// Window texts as Zeto keeps them (Windows-1251), read and written as
// UTF-16, so a test holds whatever the code page of the process.
#pragma once
#include <windows.h>

#include <string>

namespace support {

// The text of a window of any process (WM_GETTEXT, sent, waiting at most
// timeoutMs for a busy owner).
std::string TextOf(HWND hwnd, UINT timeoutMs = 5000);
// The text the system keeps for a window of another process (GetWindowText):
// no message reaches the owner, so watching it often costs the owner nothing.
std::string KeptTextOf(HWND hwnd);
// WM_SETTEXT, sent likewise.
void SetTextOf(HWND hwnd, const std::string& text, UINT timeoutMs = 5000);

} // namespace support

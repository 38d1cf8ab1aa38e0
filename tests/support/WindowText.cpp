#include "tests/support/WindowText.h"

#include "text/Cp1251Utf16.h"

namespace support {

std::string TextOf(HWND hwnd, UINT timeoutMs)
{
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, timeoutMs, &length);
    std::wstring text((size_t)length + 1, L'\0');
    DWORD_PTR read = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), (LPARAM)&text[0], SMTO_NORMAL, timeoutMs, &read);
    text.resize(read < text.size() ? (size_t)read : 0);
    return cp1251::FromUtf16(text);
}

std::string KeptTextOf(HWND hwnd)
{
    wchar_t text[512] = L"";
    const int length = ::GetWindowTextW(hwnd, text, 512);
    return cp1251::FromUtf16(std::wstring(text, length > 0 ? (size_t)length : 0));
}

void SetTextOf(HWND hwnd, const std::string& text, UINT timeoutMs)
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, (LPARAM)cp1251::ToUtf16(text).c_str(), SMTO_NORMAL, timeoutMs, &result);
}

} // namespace support

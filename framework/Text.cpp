#include "framework/Text.h"

#include "text/Cp1251Utf16.h"

std::wstring WideWindowTextOf(HWND hwnd, int maxChars)
{
    int length = ::GetWindowTextLengthW(hwnd);
    if (maxChars >= 0 && length > maxChars)
        length = maxChars;
    std::wstring text(length + 1, L'\0');
    length = ::GetWindowTextW(hwnd, &text[0], length + 1);
    text.resize(length > 0 ? length : 0);
    return text;
}

std::string WindowTextOf(HWND hwnd, int maxChars)
{
    return cp1251::FromUtf16(WideWindowTextOf(hwnd, maxChars));
}

void SetWindowTextOf(HWND hwnd, const std::string& text) { ::SetWindowTextW(hwnd, cp1251::ToUtf16(text).c_str()); }

void SetItemText(HWND dialog, int id, const std::string& text)
{
    ::SetDlgItemTextW(dialog, id, cp1251::ToUtf16(text).c_str());
}

std::wstring WideFromAnsiCodePage(const std::string& text)
{
    int length = text.empty() ? 0 : ::MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring wide(length > 0 ? length : 0, L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), &wide[0], length);
    return wide;
}

std::string FromAnsiCodePage(const std::string& text)
{
    if (::GetACP() == 1251 || text.empty())
        return text;   // already Windows-1251, byte for byte
    return cp1251::FromUtf16(WideFromAnsiCodePage(text));
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    return ::MessageBoxW(owner, cp1251::ToUtf16(text).c_str(), cp1251::ToUtf16(caption).c_str(), type);
}

LRESULT AddListItem(HWND list, const std::string& text)
{
    return ::SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)cp1251::ToUtf16(text).c_str());
}

std::string ListItemText(HWND list, LRESULT index)
{
    LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, (WPARAM)index, 0);
    if (length == LB_ERR)
        return std::string();
    std::wstring text((std::size_t)length + 1, L'\0');
    length = ::SendMessageW(list, LB_GETTEXT, (WPARAM)index, (LPARAM)&text[0]);
    text.resize(length > 0 ? (std::size_t)length : 0);
    return cp1251::FromUtf16(text);
}

FILE* OpenFileNamed(const std::string& name, const char* mode)
{
    return ::_wfopen(cp1251::ToUtf16(name).c_str(), cp1251::ToUtf16(mode).c_str());
}

HANDLE OpenFileForWriting(const std::string& name)
{
    return ::CreateFileW(cp1251::ToUtf16(name).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

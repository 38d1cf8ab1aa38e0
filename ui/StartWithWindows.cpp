// "Start with Windows": Zeto under the current user's Run key, which needs
// no administrator rights. The menu item shows the key itself, so it also
// tells the truth after a change made elsewhere. The command names the
// working directory Zeto runs in now, the one with its dictionary files.
#include "ui/MainDlg.h"

#include "framework/Menu.h"
#include "res/resource.h"
#include "settings/StartupCommand.h"
#include "text/Cp1251Literal.h"

namespace {

constexpr auto NOTE_NOT_CHANGED = cp1251::Literal(u8"Не можах да променя стартирането с Windows.");

constexpr const char* RUN_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* RUN_VALUE = "Wordlumo";

bool InRunKey()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, RUN_KEY, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    const bool found = ::RegQueryValueExA(key, RUN_VALUE, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return found;
}

bool SetRunKey(bool on)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, RUN_KEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    LONG result;
    if (on) {
        char exe[MAX_PATH] = "", dir[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
        ::GetCurrentDirectoryA(MAX_PATH, dir);
        const std::string command = settings::StartupCommand(exe, dir);
        result = ::RegSetValueExA(key, RUN_VALUE, 0, REG_SZ, (const BYTE*)command.c_str(), (DWORD)command.size() + 1);
    } else {
        result = ::RegDeleteValueA(key, RUN_VALUE);
    }
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

} // namespace

void CMainDlg::CheckStartWithWindows(HMENU menu)
{
    CheckMenuItemById(menu, ID_START_WITH_WINDOWS, InRunKey());
}

void CMainDlg::OnStartWithWindows()
{
    if (!SetRunKey(!InRunKey()))
        ShowNote(NOTE_NOT_CHANGED.c_str());
    CheckStartWithWindows(::GetMenu(m_hWnd));
}

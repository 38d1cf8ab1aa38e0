// "Start with Windows": Zeto under the current user's Run key, which needs
// no administrator rights. The menu item shows the key itself, so it also
// tells the truth after a change made elsewhere: it is ticked only when the
// value starts this copy, and choosing it while the value starts another
// copy (an older install, a moved folder) makes it start this one. The
// command names the working directory Zeto runs in now, the one with its
// dictionary files. All through the W calls: the paths may hold letters
// outside the code page.
#include "ui/MainDlg.h"

#include "framework/App.h"
#include "framework/Menu.h"
#include "res/resource.h"
#include "settings/StartupCommand.h"
#include "text/Cp1251Literal.h"

#include <vector>

namespace {

constexpr auto NOTE_NOT_CHANGED = cp1251::Literal(u8"Не можах да променя стартирането с Windows.");

constexpr const wchar_t* RUN_KEY = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* RUN_VALUE = L"Wordlumo";
std::wstring CurrentFolder()
{
    std::vector<wchar_t> path(LONGEST_PATH_CHARS);
    const DWORD length = ::GetCurrentDirectoryW((DWORD)path.size(), path.data());
    return std::wstring(path.data(), length < path.size() ? length : 0);
}

// The Run value's command; empty when there is none.
std::wstring RunCommand()
{
    std::vector<wchar_t> value(LONGEST_PATH_CHARS * 2);
    DWORD bytes = (DWORD)(value.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, RUN_KEY, RUN_VALUE, RRF_RT_REG_SZ, nullptr, value.data(), &bytes)
        != ERROR_SUCCESS)
        return std::wstring();
    return value.data();
}

// Paths are compared as Windows compares file names: without regard to case.
bool StartsThisCopy()
{
    const std::wstring program = settings::ProgramOf(RunCommand()), self = ProgramPath();
    return !program.empty() &&
           ::CompareStringOrdinal(program.c_str(), (int)program.size(), self.c_str(), (int)self.size(), TRUE)
               == CSTR_EQUAL;
}

bool SetRunKey(bool on)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, RUN_KEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    LONG result;
    if (on) {
        const std::wstring command = settings::StartupCommand(ProgramPath(), CurrentFolder());
        result = ::RegSetValueExW(key, RUN_VALUE, 0, REG_SZ, (const BYTE*)command.c_str(),
                                  (DWORD)((command.size() + 1) * sizeof(wchar_t)));
    } else {
        result = ::RegDeleteValueW(key, RUN_VALUE);
    }
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

} // namespace

void CMainDlg::CheckStartWithWindows(HMENU menu)
{
    CheckMenuItemById(menu, ID_START_WITH_WINDOWS, StartsThisCopy());
}

void CMainDlg::OnStartWithWindows()
{
    if (!SetRunKey(!StartsThisCopy()))
        ShowNote(NOTE_NOT_CHANGED.c_str());
    CheckStartWithWindows(::GetMenu(m_hWnd));
}

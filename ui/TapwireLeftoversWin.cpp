// Zeto's folder is the one of Zeto.exe, not the working directory: the
// installer sets the copies aside beside the program.
#include "ui/TapwireLeftovers.h"

#include "framework/App.h"

#include <windows.h>

namespace {

// Zeto.exe's folder with a trailing backslash; empty when unknown.
std::wstring ProgramFolder()
{
    const std::wstring program = ProgramPath();
    const size_t slash = program.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : program.substr(0, slash + 1);
}

} // namespace

void DeleteTapwireLeftovers()
{
    const std::wstring folder = ProgramFolder();
    if (folder.empty())
        return;
    // The pattern narrows the search; the rule decides (a pattern also
    // matches short names and other endings).
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + TAPWIRE_ASIDE_PREFIX + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTapwireLeftover(found.cFileName))
            ::DeleteFileW((folder + found.cFileName).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

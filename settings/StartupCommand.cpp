#include "settings/StartupCommand.h"

#include <cwchar>

namespace settings {

std::wstring StartupCommand(const std::wstring& exePath, const std::wstring& workDir)
{
    return L"\"" + exePath + L"\" " + WORKDIR_SWITCH + L" \"" + workDir + L"\"";
}

std::wstring ProgramOf(const std::wstring& commandLine)
{
    const std::size_t start = commandLine.find_first_not_of(L' ');
    if (start == std::wstring::npos)
        return std::wstring();
    if (commandLine[start] == L'"') {
        const std::size_t close = commandLine.find(L'"', start + 1);
        return commandLine.substr(start + 1, close == std::wstring::npos ? std::wstring::npos : close - start - 1);
    }
    const std::size_t space = commandLine.find(L' ', start);
    return commandLine.substr(start, space == std::wstring::npos ? std::wstring::npos : space - start);
}

std::wstring WorkDirOf(const std::wstring& commandLine)
{
    // The switch is looked for after the program's name, which may hold
    // anything a path can.
    std::size_t from = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const std::size_t close = commandLine.find(L'"', 1);
        from = close == std::wstring::npos ? commandLine.size() : close + 1;
    }
    const std::size_t at = commandLine.find(WORKDIR_SWITCH, from);
    if (at == std::wstring::npos)
        return std::wstring();
    std::size_t pos = commandLine.find_first_not_of(L' ', at + std::wcslen(WORKDIR_SWITCH));
    if (pos == std::wstring::npos)
        return std::wstring();
    if (commandLine[pos] == L'"') {
        const std::size_t close = commandLine.find(L'"', pos + 1);
        return commandLine.substr(pos + 1, close == std::wstring::npos ? std::wstring::npos : close - pos - 1);
    }
    return commandLine.substr(pos, commandLine.find(L' ', pos) - pos);
}

} // namespace settings

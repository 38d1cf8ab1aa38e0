// "Start with Windows" starts Zeto from the current user's Run key, where
// the working directory is whatever the system chooses. So the command
// names the folder that holds data.dat, NewData.dat and Zeto.ini, and Zeto
// makes it its working directory before anything else:
//     "C:\...\Zeto.exe" /workdir "C:\...\folder"
// UTF-16 throughout: the folders may be named in any letters.
#pragma once
#include <string>

namespace settings {

constexpr const wchar_t* WORKDIR_SWITCH = L"/workdir";

std::wstring StartupCommand(const std::wstring& exePath, const std::wstring& workDir);

// The folder after /workdir in a command line (with or without the
// program's name before it); empty when there is none.
std::wstring WorkDirOf(const std::wstring& commandLine);

// The program a command line starts, without its quotes: up to the closing
// quote, or up to the first space when not quoted.
std::wstring ProgramOf(const std::wstring& commandLine);

} // namespace settings

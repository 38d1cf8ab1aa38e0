// "Start with Windows" starts Zeto from the current user's Run key, where
// the working directory is whatever the system chooses. So the command
// names the folder that holds data.dat, NewData.dat and Zeto.ini, and Zeto
// makes it its working directory before anything else:
//     "C:\...\Zeto.exe" /workdir "C:\...\folder"
#pragma once
#include <string>

namespace settings {

constexpr const char* WORKDIR_SWITCH = "/workdir";

std::string StartupCommand(const std::string& exePath, const std::string& workDir);

// The folder after /workdir in a command line (with or without the
// program's name before it); empty when there is none.
std::string WorkDirOf(const std::string& commandLine);

} // namespace settings

#include "settings/StartupCommand.h"

#include <cstring>

namespace settings {

std::string StartupCommand(const std::string& exePath, const std::string& workDir)
{
    return "\"" + exePath + "\" " + WORKDIR_SWITCH + " \"" + workDir + "\"";
}

std::string WorkDirOf(const std::string& commandLine)
{
    // The switch is looked for after the program's name, which may hold
    // anything a path can.
    std::size_t from = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t close = commandLine.find('"', 1);
        from = close == std::string::npos ? commandLine.size() : close + 1;
    }
    const std::size_t at = commandLine.find(WORKDIR_SWITCH, from);
    if (at == std::string::npos)
        return std::string();
    std::size_t pos = commandLine.find_first_not_of(' ', at + std::strlen(WORKDIR_SWITCH));
    if (pos == std::string::npos)
        return std::string();
    if (commandLine[pos] == '"') {
        const std::size_t close = commandLine.find('"', pos + 1);
        return commandLine.substr(pos + 1, close == std::string::npos ? std::string::npos : close - pos - 1);
    }
    return commandLine.substr(pos, commandLine.find(' ', pos) - pos);
}

} // namespace settings

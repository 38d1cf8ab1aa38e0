#include "capture/KeepOut.h"

#include "text/Cp1251Case.h"

#include <cstring>

namespace {

const char* const PASSWORD_MANAGERS[] = {
    "KeePass.exe", "KeePassXC.exe", "1Password.exe", "Bitwarden.exe", "Dashlane.exe", "RoboForm.exe",
    "Enpass.exe",  "NordPass.exe",  "ProtonPass.exe", "pwsafe.exe",   "keeperpasswordmanager.exe",
};

const char* const CONSOLE_CLASSES[] = {
    "ConsoleWindowClass",               // the Windows console
    "CASCADIA_HOSTING_WINDOW_CLASS",    // Windows Terminal
    "mintty",                           // Cygwin's and Git's terminal
    "PuTTY",
};

const char* const TERMINAL_PROGRAMS[] = {
    "WindowsTerminal.exe", "OpenConsole.exe", "conhost.exe", "cmd.exe",     "powershell.exe",
    "pwsh.exe",            "mintty.exe",      "putty.exe",   "kitty.exe",   "alacritty.exe",
    "wezterm-gui.exe",     "ConEmu.exe",      "ConEmu64.exe", "Hyper.exe",  "Tabby.exe",
    "MobaXterm.exe",       "mstsc.exe",       "vmconnect.exe", "VirtualBoxVM.exe", "vmware.exe",
};

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToLower1251((unsigned char)a[i]) != ToLower1251((unsigned char)b[i]))
            return false;
    return true;
}

std::string Trimmed(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

std::vector<std::string> DefaultIgnoredPrograms()
{
    return {std::begin(PASSWORD_MANAGERS), std::end(PASSWORD_MANAGERS)};
}

bool IsConsoleWindowClass(const char* className)
{
    for (const char* console : CONSOLE_CLASSES)
        if (std::strcmp(className, console) == 0)
            return true;
    return false;
}

bool IsTerminalProgram(const std::string& fileName)
{
    for (const char* terminal : TERMINAL_PROGRAMS)
        if (SameName(fileName, terminal))
            return true;
    return false;
}

std::string ProgramFileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<std::string> ParseProgramList(const std::string& text)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(";\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string name = Trimmed(text.substr(start, end - start));
        if (!name.empty() && !ListHoldsProgram(names, name))
            names.push_back(name);
        start = end + 1;
    }
    return names;
}

std::string JoinProgramList(const std::vector<std::string>& names, const char* separator)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : separator) + name;
    return text;
}

bool ListHoldsProgram(const std::vector<std::string>& names, const std::string& fileName)
{
    for (const std::string& name : names)
        if (SameName(name, fileName))
            return true;
    return false;
}

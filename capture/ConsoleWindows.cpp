#include "capture/ConsoleWindows.h"

#include <cstring>

namespace {
const char* const CONSOLE_CLASSES[] = {
    "ConsoleWindowClass",               // the Windows console
    "CASCADIA_HOSTING_WINDOW_CLASS",    // Windows Terminal
    "mintty",                           // Cygwin's and Git's terminal
    "PuTTY",
};
}  // namespace

bool IsConsoleWindowClass(const char* className)
{
    for (const char* console : CONSOLE_CLASSES)
        if (std::strcmp(className, console) == 0)
            return true;
    return false;
}

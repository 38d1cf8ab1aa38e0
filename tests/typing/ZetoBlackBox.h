// Zeto.exe of this build tree as the user meets it: a process of its own in
// a working directory, seen only from outside through its windows and files.
#pragma once
#include "tests/support/ZetoProcess.h"

#include <windows.h>

#include <string>

namespace typing {

// Zeto.exe of this build tree, as a Windows path.
std::string ZetoPath();
POINT Centre(HWND hwnd);

class Zeto : public support::ZetoProcess {
public:
    // Started in workDir, with arguments after the program's name.
    explicit Zeto(const std::string& workDir, const std::string& arguments = "")
        : support::ZetoProcess(ZetoPath(), workDir, arguments)
    {
    }
};

} // namespace typing

// Zeto.exe started as a separate process in a working directory, and real
// input, as the user's desktop sees them.
#pragma once
#include "tests/support/ZetoProcess.h"

#include <windows.h>

#include <string>

// Zeto.exe of this build tree, started in workDir.
class ZetoProcess : public support::ZetoProcess {
public:
    explicit ZetoProcess(const std::string& workDir);
};

// Real input through the system: a left click at a screen point, keys.
void ClickAt(POINT screen);
void PressKey(WORD vk, bool withAlt = false);

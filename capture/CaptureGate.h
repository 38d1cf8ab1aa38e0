// Whether Zeto may capture now. Not while the user has paused it, not in a
// program on the ignored list (the program of the foreground window at the
// gesture), and never what a password manager marked as secret: such content
// is not read, and while it is on the clipboard the clipboard is not
// borrowed either.
#pragma once
#include "capture/KeepOut.h"

#include <windows.h>

#include <string>
#include <vector>

class CaptureGate {
public:
    bool paused = false;
    std::vector<std::string> ignoredPrograms = DefaultIgnoredPrograms();

    // foreground: the foreground window at the gesture.
    bool MayCapture(HWND foreground) const;
};

// The file name of the program that owns window (Windows-1251), "" when
// Windows does not say.
std::string ProgramOfWindow(HWND window);

// The clipboard carries a format by which its owner asks clipboard monitors
// to leave the content alone. Asked without opening the clipboard.
bool ClipboardHoldsSecret();

// Zeto.exe as the user meets it: a process of its own in a working
// directory, seen only from outside, through its windows.
#pragma once
#include "tests/support/Process.h"

#include <windows.h>

#include <string>
#include <vector>

namespace support {

// Zeto.exe of this build tree, as a Windows path.
std::string BuiltZeto();

class ZetoProcess : public Process {
public:
    // Starts exe (a Windows path) in workDir, with arguments after its name.
    ZetoProcess(const std::string& exe, const std::string& workDir, const std::string& arguments);
    // The same for Zeto.exe of this build tree.
    explicit ZetoProcess(const std::string& workDir, const std::string& arguments = "")
        : ZetoProcess(BuiltZeto(), workDir, arguments)
    {
    }
    // Closed as the user closes it if still running (once its main window was
    // found); ended when it does not go.
    ~ZetoProcess() override;

    // A visible dialog or message box with this caption, now.
    HWND Dialog(const std::string& caption) const { return Window("#32770", caption.c_str()); }
    // The main dialog, visible.
    HWND WaitForMain(DWORD timeoutMs = 30000);
    // The visible popups of the STATIC class: the tooltips.
    std::vector<HWND> VisibleTips() const { return Windows("Static"); }
    // Closed through its main window, as the user closes it; true once it ended.
    bool Close();

private:
    HWND m_main = nullptr;
};

} // namespace support

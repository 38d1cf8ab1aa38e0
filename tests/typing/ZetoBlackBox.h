// Zeto.exe as the user meets it: a process of its own in a working
// directory, seen only from outside through its windows and its files.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace typing {

// Zeto.exe of this build tree, as a Windows path.
std::string ZetoPath();
// Text of a window in another process, asked for with a sent WM_GETTEXT.
std::string RemoteText(HWND hwnd);
POINT Centre(HWND hwnd);

class Zeto {
public:
    // Started in workDir, with arguments after the program's name.
    explicit Zeto(const std::string& workDir, const std::string& arguments = "");
    // Closes it if still running; ends it when it does not go.
    ~Zeto();
    Zeto(const Zeto&) = delete;
    Zeto& operator=(const Zeto&) = delete;
    bool Started() const { return m_started; }

    // A visible dialog of Zeto's with this caption; null until it is there.
    HWND Dialog(const std::string& caption) const;
    HWND WaitForMain();
    // The visible popups of the STATIC class: the tooltips.
    std::vector<HWND> VisibleTips() const;
    bool Close();
    // Ended at once, as a crash or the task manager would: nothing of it runs on.
    bool Kill();

private:
    PROCESS_INFORMATION m_pi{};
    bool m_started = false;
    HWND m_main = nullptr;
};

} // namespace typing

// Zeto.exe started as a separate process in a working directory, and ways to
// look at its windows from outside, as the user's desktop sees them.
#pragma once
#include <windows.h>

#include <string>

class ZetoProcess {
public:
    // Starts Zeto.exe of this build tree with workDir as its working directory.
    explicit ZetoProcess(const std::string& workDir);
    // Ends the process if a test left it running.
    ~ZetoProcess();
    ZetoProcess(const ZetoProcess&) = delete;
    ZetoProcess& operator=(const ZetoProcess&) = delete;

    bool Started() const { return m_info.hProcess != nullptr; }
    // A visible top-level window of the process with this class and caption,
    // waited for while this thread's messages are pumped; null on timeout.
    HWND WaitForWindow(const char* className, const char* caption, DWORD timeoutMs = 20000) const;
    // The main dialog, visible.
    HWND WaitForMain(DWORD timeoutMs = 20000) const { return WaitForWindow("#32770", "Wordlumo", timeoutMs); }
    // Waits (pumping) for the process to end; its exit code, or -1 on timeout.
    int WaitForExit(DWORD timeoutMs = 20000) const;
    bool Running() const;
    // For a failed wait: whether the process never started, ended (and how) or runs.
    std::string State() const;
    // Any visible top-level window of the process with this class.
    bool HasVisibleWindowOfClass(const char* className) const;

private:
    PROCESS_INFORMATION m_info{};
    DWORD m_startError = 0;   // CreateProcess's error when it failed
};

// Real input through the system: a left click at a screen point, keys.
void ClickAt(POINT screen);
void PressKey(WORD vk, bool withAlt = false);

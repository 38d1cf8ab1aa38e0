// A program of the tests in a process of its own, ended with the object.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace support {

class Process {
public:
    // commandLine: the program (quoted) and its arguments; workDir: null
    // for ours.
    explicit Process(std::string commandLine, const char* workDir = nullptr);
    // Ended, if it still runs, the way a crash or the task manager would.
    virtual ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return m_info.hProcess != nullptr; }
    HANDLE Handle() const { return m_info.hProcess; }
    DWORD Id() const { return m_info.dwProcessId; }
    DWORD MainThreadId() const { return m_info.dwThreadId; }
    bool Running() const;
    // For a failed wait: whether it never started, ended (and how) or runs.
    std::string State() const;
    // Waits (pumping) for the process to end; its exit code, or -1 on timeout.
    int WaitForExit(DWORD timeoutMs = 60000) const;
    // Ended at once; true once it is gone.
    bool Kill();

    // Its visible top-level windows with this class and caption (any, for
    // null), in z-order; the first of them, or null.
    std::vector<HWND> Windows(const char* className = nullptr, const char* caption = nullptr) const;
    HWND Window(const char* className = nullptr, const char* caption = nullptr) const;
    // The same, waited for while this thread's messages are pumped; null on
    // timeout or when the process ends first.
    HWND WaitForWindow(const char* className, const char* caption, DWORD timeoutMs = 20000) const;

    static constexpr DWORD GONE_MS = 15000;   // for an ended or closed process to be gone

private:
    PROCESS_INFORMATION m_info{};
    DWORD m_startError = 0;   // CreateProcess's error when it failed
};

// A program of this build tree, by its path on the host, as a Windows path
// (on Wine's drive Z:).
std::string BuiltProgram(const char* hostPath);

// The command line that starts a program beside this test program (fileName
// relative to this program's directory) with these arguments.
std::string BesideThisProgram(const char* fileName, const std::string& arguments);

} // namespace support

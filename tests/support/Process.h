// A program of the tests in a process of its own, ended with the object.
#pragma once
#include <windows.h>

#include <string>

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

    static constexpr DWORD GONE_MS = 15000;   // for an ended or closed process to be gone

private:
    PROCESS_INFORMATION m_info{};
    DWORD m_startError = 0;   // CreateProcess's error when it failed
};

// The full path of a program beside this test program.
std::string BesideThisProgram(const char* fileName);

} // namespace support

#include "tests/support/Process.h"

#include "tests/support/Pump.h"

namespace support {

Process::Process(std::string commandLine, const char* workDir)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, workDir, &startup,
                          &m_info)) {
        m_startError = ::GetLastError();
        m_info = PROCESS_INFORMATION{};
    }
}

Process::~Process()
{
    if (!m_info.hProcess)
        return;
    if (Running())
        Kill();
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
}

bool Process::Running() const
{
    return m_info.hProcess && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

std::string Process::State() const
{
    if (!m_info.hProcess)
        return "it did not start: error " + std::to_string(m_startError);
    if (Running())
        return "it runs";
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return "it ended with code " + std::to_string(code);
}

int Process::WaitForExit(DWORD timeoutMs) const
{
    if (!m_info.hProcess || !PumpUntil([&] { return !Running(); }, timeoutMs))
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return (int)code;
}

bool Process::Kill()
{
    return ::TerminateProcess(m_info.hProcess, 1) && ::WaitForSingleObject(m_info.hProcess, GONE_MS) == WAIT_OBJECT_0;
}

std::string BesideThisProgram(const char* fileName)
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path, n);
    return self.substr(0, self.find_last_of("\\/") + 1) + fileName;
}

} // namespace support

#include "tests/faults/Intruder.h"

#include "tests/ui/UiTestSupport.h"

namespace {

std::string IntruderPath()
{
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of("\\/") + 1) + "intruder.exe";
}

} // namespace

Intruder::Intruder(const std::string& arguments)
{
    std::string command = "\"" + IntruderPath() + "\" " + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        ::CloseHandle(pi.hThread);
        m_process = pi.hProcess;
    }
}

Intruder::~Intruder()
{
    if (m_process) {
        ::TerminateProcess(m_process, 1);
        ::WaitForSingleObject(m_process, 10000);
        ::CloseHandle(m_process);
    }
}

DWORD Intruder::WaitForExit(DWORD timeoutMs)
{
    support::PumpUntil([&] { return ::WaitForSingleObject(m_process, 0) == WAIT_OBJECT_0; }, timeoutMs);
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process, &code);
    return code;
}

HANDLE NamedEvent(const std::string& name)
{
    return ::CreateEventA(nullptr, TRUE, FALSE, name.c_str());
}


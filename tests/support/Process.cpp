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

namespace {

struct Search {
    DWORD pid;
    const char* className;
    const char* caption;
    std::vector<HWND> found;
};

BOOL CALLBACK Find(HWND hwnd, LPARAM lParam)
{
    Search* s = (Search*)lParam;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != s->pid || !::IsWindowVisible(hwnd))
        return TRUE;
    char cls[64] = "", text[256] = "";
    ::GetClassNameA(hwnd, cls, sizeof cls);
    ::GetWindowTextA(hwnd, text, sizeof text);
    if ((!s->className || lstrcmpiA(cls, s->className) == 0) && (!s->caption || std::string(text) == s->caption))
        s->found.push_back(hwnd);
    return TRUE;
}

} // namespace

std::vector<HWND> Process::Windows(const char* className, const char* caption) const
{
    Search search{Id(), className, caption, {}};
    ::EnumWindows(&Find, (LPARAM)&search);
    return search.found;
}

HWND Process::Window(const char* className, const char* caption) const
{
    const std::vector<HWND> found = Windows(className, caption);
    return found.empty() ? nullptr : found.front();
}

HWND Process::WaitForWindow(const char* className, const char* caption, DWORD timeoutMs) const
{
    HWND found = nullptr;
    PumpUntil([&] { return (found = Window(className, caption)) != nullptr || !Running(); }, timeoutMs);
    return found;
}

std::string BuiltProgram(const char* hostPath)
{
    std::string path = std::string("Z:") + hostPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string BesideThisProgram(const char* fileName, const std::string& arguments)
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path, n);
    return "\"" + self.substr(0, self.find_last_of("\\/") + 1) + fileName + "\" " + arguments;
}

} // namespace support

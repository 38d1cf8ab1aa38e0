#include "tests/support/ZetoProcess.h"

#include "tests/support/Pump.h"

namespace support {

namespace {

constexpr DWORD GOING_MS = 15000;   // for a closed or ended process to be gone

// The visible top-level windows of a process with a class (and caption).
struct Search {
    DWORD pid;
    const char* className;
    const char* caption;
    std::vector<HWND> found;
    bool all;   // else the first is enough
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
    if (lstrcmpiA(cls, s->className) == 0 && (!s->caption || std::string(text) == s->caption)) {
        s->found.push_back(hwnd);
        return s->all;
    }
    return TRUE;
}

} // namespace

ZetoProcess::ZetoProcess(const std::string& exe, const std::string& workDir, const std::string& arguments)
{
    std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(), &startup,
                          &m_info)) {
        m_startError = ::GetLastError();
        m_info = PROCESS_INFORMATION{};
    }
}

ZetoProcess::~ZetoProcess()
{
    if (!m_info.hProcess)
        return;
    if (Running() && !(m_main && Close()))
        Kill();
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
}

bool ZetoProcess::Running() const
{
    return m_info.hProcess && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

std::string ZetoProcess::State() const
{
    if (!m_info.hProcess)
        return "Zeto.exe did not start: error " + std::to_string(m_startError);
    if (Running())
        return "Zeto.exe runs";
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return "Zeto.exe ended with code " + std::to_string(code);
}

int ZetoProcess::WaitForExit(DWORD timeoutMs) const
{
    if (!PumpUntil([&] { return !Running(); }, timeoutMs))
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return (int)code;
}

HWND ZetoProcess::Window(const char* className, const char* caption) const
{
    Search search{m_info.dwProcessId, className, caption, {}, false};
    ::EnumWindows(&Find, (LPARAM)&search);
    return search.found.empty() ? nullptr : search.found.front();
}

HWND ZetoProcess::WaitForWindow(const char* className, const char* caption, DWORD timeoutMs) const
{
    HWND found = nullptr;
    PumpUntil([&] { return (found = Window(className, caption)) != nullptr || !Running(); }, timeoutMs);
    return found;
}

HWND ZetoProcess::WaitForMain(DWORD timeoutMs)
{
    m_main = WaitForWindow("#32770", "Wordlumo", timeoutMs);
    return m_main;
}

std::vector<HWND> ZetoProcess::VisibleTips() const
{
    Search search{m_info.dwProcessId, "Static", nullptr, {}, true};
    ::EnumWindows(&Find, (LPARAM)&search);
    return search.found;
}

bool ZetoProcess::Close()
{
    ::PostMessageA(m_main, WM_CLOSE, 0, 0);
    return ::WaitForSingleObject(m_info.hProcess, GOING_MS) == WAIT_OBJECT_0;
}

bool ZetoProcess::Kill()
{
    return ::TerminateProcess(m_info.hProcess, 1) && ::WaitForSingleObject(m_info.hProcess, GOING_MS) == WAIT_OBJECT_0;
}

} // namespace support

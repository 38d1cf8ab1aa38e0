#include "StandIn.h"

#include "Session.h"

StandIn::StandIn(const std::string& kind, const std::string& title)
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string exe(path);
    exe = exe.substr(0, exe.find_last_of("\\/") + 1) + "..\\capture\\copy_target.exe";
    if (Start(exe.c_str(), "\"" + exe + "\" " + kind + " \"" + title + "\""))
        WaitFor([&] { return (m_top = ::FindWindowA(nullptr, title.c_str())) != nullptr; }, 30000);
}

StandIn::StandIn(const std::string& commandLine)
{
    if (!Start(nullptr, commandLine))
        return;
    WaitFor([&] {
        ::EnumWindows([](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* self = (StandIn*)lParam;
            DWORD pid = 0;
            ::GetWindowThreadProcessId(hwnd, &pid);
            if (pid != self->m_process.dwProcessId || !::IsWindowVisible(hwnd))
                return TRUE;
            self->m_top = hwnd;
            return FALSE;
        }, (LPARAM)this);
        return m_top != nullptr;
    }, 30000);
}

bool StandIn::Start(const char* exe, std::string command)
{
    STARTUPINFOA si{};
    si.cb = sizeof si;
    return ::CreateProcessA(exe, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_process) != 0;
}

StandIn::~StandIn()
{
    if (!m_process.hProcess)
        return;
    ::TerminateProcess(m_process.hProcess, 0);
    ::WaitForSingleObject(m_process.hProcess, 5000);
    ::CloseHandle(m_process.hProcess);
    ::CloseHandle(m_process.hThread);
}

POINT StandIn::ChildCentre() const
{
    RECT rect{};
    ::GetWindowRect(::GetWindow(m_top, GW_CHILD), &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

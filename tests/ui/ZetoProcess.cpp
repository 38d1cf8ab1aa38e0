#include "tests/ui/ZetoProcess.h"

#include "tests/ui/UiTestSupport.h"

namespace {

struct Search {
    DWORD pid;
    const char* className;
    const char* caption;
    HWND found = nullptr;
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
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

ZetoProcess::ZetoProcess(const std::string& workDir)
{
    std::string exe = uitest::BuildPath("ui/Zeto.exe");
    std::string command = "\"" + exe + "\"";
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
    if (Running()) {
        ::TerminateProcess(m_info.hProcess, 1);
        ::WaitForSingleObject(m_info.hProcess, 10000);
    }
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
}

HWND ZetoProcess::WaitForWindow(const char* className, const char* caption, DWORD timeoutMs) const
{
    Search search{m_info.dwProcessId, className, caption};
    support::PumpUntil([&] {
        search.found = nullptr;
        ::EnumWindows(&Find, (LPARAM)&search);
        return search.found != nullptr || !Running();
    }, timeoutMs);
    return search.found;
}

bool ZetoProcess::HasVisibleWindowOfClass(const char* className) const
{
    Search search{m_info.dwProcessId, className, nullptr};
    ::EnumWindows(&Find, (LPARAM)&search);
    return search.found != nullptr;
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
    if (!support::PumpUntil([&] { return !Running(); }, timeoutMs))
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_info.hProcess, &code);
    return (int)code;
}

void ClickAt(POINT screen)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3]{};
    for (INPUT& i : input) {
        i.type = INPUT_MOUSE;
        i.mi.dx = screen.x * 65535 / (cx - 1);
        i.mi.dy = screen.y * 65535 / (cy - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(3, input, sizeof(INPUT));
}

void PressKey(WORD vk, bool withAlt)
{
    INPUT input[4]{};
    int n = 0;
    auto key = [&](WORD code, bool up) {
        input[n].type = INPUT_KEYBOARD;
        input[n].ki.wVk = code;
        input[n].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++n;
    };
    if (withAlt)
        key(VK_MENU, false);
    key(vk, false);
    key(vk, true);
    if (withAlt)
        key(VK_MENU, true);
    ::SendInput(n, input, sizeof(INPUT));
}

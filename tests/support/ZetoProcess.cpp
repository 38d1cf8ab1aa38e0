#include "tests/support/ZetoProcess.h"

#include "tests/support/Pump.h"

namespace support {

namespace {

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

std::string BuiltZeto()
{
    std::string path = "Z:" ZETO_EXE;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

ZetoProcess::ZetoProcess(const std::string& exe, const std::string& workDir, const std::string& arguments)
    : Process("\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments), workDir.c_str())
{
}

ZetoProcess::~ZetoProcess()
{
    if (Running() && m_main)
        Close();
}

HWND ZetoProcess::Window(const char* className, const char* caption) const
{
    Search search{Id(), className, caption, {}, false};
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
    Search search{Id(), "Static", nullptr, {}, true};
    ::EnumWindows(&Find, (LPARAM)&search);
    return search.found;
}

bool ZetoProcess::Close()
{
    ::PostMessageA(m_main, WM_CLOSE, 0, 0);
    return ::WaitForSingleObject(Handle(), GONE_MS) == WAIT_OBJECT_0;
}

} // namespace support

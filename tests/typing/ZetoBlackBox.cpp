#include "tests/typing/ZetoBlackBox.h"

#include "tests/typing/TypingSupport.h"

namespace typing {

std::string ZetoPath()
{
    std::string path = "Z:" ZETO_EXE;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string RemoteText(HWND hwnd)
{
    char text[1024] = "";
    LRESULT n = ::SendMessageA(hwnd, WM_GETTEXT, sizeof text, (LPARAM)text);
    return std::string(text, n > 0 ? (size_t)n : 0);
}

POINT Centre(HWND hwnd)
{
    RECT rect;
    ::GetWindowRect(hwnd, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

Zeto::Zeto(const std::string& workDir, const std::string& arguments)
{
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string command = "\"" + ZetoPath() + "\"" + (arguments.empty() ? "" : " " + arguments);
    m_started = ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(),
                                 &si, &m_pi) != FALSE;
}

Zeto::~Zeto()
{
    if (!m_started)
        return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        if (m_main)
            ::PostMessageA(m_main, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(m_pi.hProcess, 15000) == WAIT_TIMEOUT)
            ::TerminateProcess(m_pi.hProcess, 1);
    }
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
}

HWND Zeto::Dialog(const std::string& caption) const
{
    struct Search {
        const std::string* caption;
        HWND found;
    } search{&caption, nullptr};
    ::EnumThreadWindows(m_pi.dwThreadId, [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        char cls[16] = "";
        ::GetClassNameA(hwnd, cls, sizeof cls);
        if (std::string(cls) == "#32770" && ::IsWindowVisible(hwnd) && RemoteText(hwnd) == *s->caption) {
            s->found = hwnd;
            return FALSE;
        }
        return TRUE;
    }, (LPARAM)&search);
    return search.found;
}

HWND Zeto::WaitForMain()
{
    support::PumpUntil([&] { return (m_main = Dialog("Wordlumo")) != nullptr; }, 30000);
    return m_main;
}

std::vector<HWND> Zeto::VisibleTips() const
{
    std::vector<HWND> tips;
    ::EnumThreadWindows(m_pi.dwThreadId, [](HWND hwnd, LPARAM param) -> BOOL {
        char cls[16] = "";
        ::GetClassNameA(hwnd, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 && ::IsWindowVisible(hwnd))
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
        return TRUE;
    }, (LPARAM)&tips);
    return tips;
}

bool Zeto::Close()
{
    ::PostMessageA(m_main, WM_CLOSE, 0, 0);
    return ::WaitForSingleObject(m_pi.hProcess, 15000) == WAIT_OBJECT_0;
}

bool Zeto::Kill()
{
    return ::TerminateProcess(m_pi.hProcess, 1) && ::WaitForSingleObject(m_pi.hProcess, 15000) == WAIT_OBJECT_0;
}

} // namespace typing

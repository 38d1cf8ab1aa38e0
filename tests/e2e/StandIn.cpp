#include "StandIn.h"

#include "Session.h"
#include "tests/support/XInput.h"

namespace {
std::string CopyTargetCommand(const std::string& kind, const std::string& title)
{
    return "\"" + support::BesideThisProgram("..\\capture\\copy_target.exe") + "\" " + kind + " \"" + title + "\"";
}
} // namespace

StandIn::StandIn(const std::string& kind, const std::string& title) : m_process(CopyTargetCommand(kind, title))
{
    if (m_process.Started())
        WaitFor([&] { return (m_top = ::FindWindowA(nullptr, title.c_str())) != nullptr; }, 30000);
}

StandIn::StandIn(const std::string& commandLine) : m_process(commandLine)
{
    if (!m_process.Started())
        return;
    WaitFor([&] {
        ::EnumWindows([](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* self = (StandIn*)lParam;
            DWORD pid = 0;
            ::GetWindowThreadProcessId(hwnd, &pid);
            if (pid != self->m_process.Id() || !::IsWindowVisible(hwnd))
                return TRUE;
            self->m_top = hwnd;
            return FALSE;
        }, (LPARAM)this);
        return m_top != nullptr;
    }, 30000);
}

POINT StandIn::ChildCentre() const { return xinput::CentreOf(::GetWindow(m_top, GW_CHILD)); }

#include "CaptureWine.h"

#include "CopyTargetWindows.h"

#include "res/resource.h"
#include "tests/support/Cp1251Text.h"

CopyTarget::CopyTarget(const char* kind, const char* title, Where where)
{
    if (where == OWN_PROCESS) {
        m_standIn = std::make_unique<support::StandIn>(kind, title);
        m_top = m_standIn->top();
        return;
    }
    m_thread = std::thread([kind = std::string(kind), title = std::string(title)] {
        RunCopyTarget(kind.c_str(), title.c_str());
    });
    support::PumpUntil([&] { return (m_top = ::FindWindowA(nullptr, title)) != nullptr; });
}

CopyTarget::~CopyTarget()
{
    if (m_thread.joinable()) {
        ReleaseHungCopyTargets();
        ::PostMessageA(m_top, WM_CLOSE, 0, 0);
        m_thread.join();
    }
}

HWND CopyTarget::Find(const char* className) const
{
    struct Search {
        const char* className;
        HWND found;
    } search{className, nullptr};
    ::EnumChildWindows(m_top, [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* s = (Search*)lParam;
        char name[64] = "";
        ::GetClassNameA(hwnd, name, sizeof name);
        if (std::string(name) == s->className) {
            s->found = hwnd;
            return FALSE;
        }
        return TRUE;
    }, (LPARAM)&search);
    return search.found;
}

CaptureDialog::CaptureDialog()
{
    support::WriteZetoFiles({{"apple", u8"ябълка"_cp1251}, {"house", u8"къща"_cp1251}, {"word", u8"дума"_cp1251}});
    OpenMainDialog();
}

std::string CaptureDialog::Translation() const { return ItemText(IDC_TRANSLATION); }

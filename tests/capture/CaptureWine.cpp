#include "CaptureWine.h"

#include "CopyTargetWindows.h"

#include "res/resource.h"
#include "tests/support/Cp1251Text.h"

namespace {
std::string BesideTest(const char* fileName)
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of("\\/") + 1) + fileName;
}
}  // namespace

CopyTarget::CopyTarget(const char* kind, const char* title, Where where)
{
    if (where == THIS_PROCESS) {
        m_thread = std::thread([kind = std::string(kind), title = std::string(title)] {
            RunCopyTarget(kind.c_str(), title.c_str());
        });
        support::PumpUntil([&] { return (m_top = ::FindWindowA(nullptr, title)) != nullptr; });
        return;
    }
    std::string exe = BesideTest("copy_target.exe");
    std::string command = "\"" + exe + "\" " + kind + " \"" + title + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_process))
        return;
    support::PumpUntil([&] { return (m_top = ::FindWindowA(nullptr, title)) != nullptr; });
}

CopyTarget::~CopyTarget()
{
    if (m_thread.joinable()) {
        ReleaseHungCopyTargets();
        ::PostMessageA(m_top, WM_CLOSE, 0, 0);
        m_thread.join();
    }
    if (m_process.hProcess) {
        ::TerminateProcess(m_process.hProcess, 0);
        ::WaitForSingleObject(m_process.hProcess, 5000);
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
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

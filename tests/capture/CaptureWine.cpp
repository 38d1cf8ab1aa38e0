#include "CaptureWine.h"

#include "CopyTargetWindows.h"

#include "dictionary/Dictionary.h"
#include "dictionary/IrregularForms.h"
#include "res/resource.h"
#include "tests/support/Records.h"
#include "ui/MainDlg.h"

#include <cstdio>

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
        WaitFor([&] { return (m_top = ::FindWindowA(nullptr, title)) != nullptr; });
        return;
    }
    std::string exe = BesideTest("copy_target.exe");
    std::string command = "\"" + exe + "\" " + kind + " \"" + title + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    if (!::CreateProcessA(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_process))
        return;
    WaitFor([&] { return (m_top = ::FindWindowA(nullptr, title)) != nullptr; });
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

MainDialog::MainDialog()
{
    ::GetCurrentDirectoryA(MAX_PATH, m_oldDir);
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    m_dir = std::string(temp) + "wordlumo-capture-" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(m_dir.c_str(), nullptr);
    ::SetCurrentDirectoryA(m_dir.c_str());
    FILE* data = std::fopen("data.dat", "wb");
    CDictionary writer;
    writer.WriteRecord(WordPair("apple", "ябълка"), data);
    writer.WriteRecord(WordPair("house", "къща"), data);
    writer.WriteRecord(WordPair("word", "дума"), data);
    std::fclose(data);
    std::fclose(std::fopen("NewData.dat", "wb"));
    // Shipped beside data.dat; without it Zeto would say so in edit 1001.
    support::WriteFileBytes(CIrregularForms::FILE_NAME, CIrregularForms::Build({"children child\n"}));
    m_dlg = std::make_unique<CMainDlg>();
    m_dlg->Create();
}

MainDialog::~MainDialog()
{
    m_dlg.reset();
    ::SetCurrentDirectoryA(m_oldDir);
    ::DeleteFileA((m_dir + "\\data.dat").c_str());
    ::DeleteFileA((m_dir + "\\NewData.dat").c_str());
    ::DeleteFileA((m_dir + "\\" + CIrregularForms::FILE_NAME).c_str());
    ::DeleteFileA((m_dir + "\\Zeto.ini").c_str());   // the settings a test left, e.g. Automatic Attach on
    ::RemoveDirectoryA(m_dir.c_str());
}

std::string MainDialog::Translation() const
{
    char text[256] = "";
    ::GetDlgItemTextA(m_dlg->m_hWnd, IDC_TRANSLATION, text, sizeof text);
    return text;
}

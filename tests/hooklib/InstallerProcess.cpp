#include "InstallerProcess.h"

#include <cstdio>
#include <string>

#include "InstallerProtocol.h"
#include "TargetProcess.h"

InstallerProcess::InstallerProcess(PostRecorder& recorder, int mode, Scope scope, LetGo letGo)
    : m_recorder(recorder)
{
    std::string command = "\"" + BesideTest("hook_installer.exe") + "\" " +
                          std::to_string(reinterpret_cast<UINT_PTR>(recorder.hwnd())) + " " + std::to_string(mode) +
                          (scope == EVERY_THREAD ? " all" : " self") + (letGo == EXIT ? " exit" : " unload");
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_process))
        m_startError = GetLastError();
}

InstallerProcess::~InstallerProcess()
{
    if (!m_process.hProcess)
        return;
    PostThreadMessageA(m_process.dwThreadId, WM_QUIT, 0, 0);
    if (!WaitEnded())
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

// A new Wine process on a busy machine can take its time to start: the wait
// is long, and when it still fails the installer's state goes to the log.
int InstallerProcess::WaitInstalled()
{
    int result = -1;
    bool reported = m_recorder.WaitFor([&] {
        for (const Posted& p : m_recorder.posts())
            if (p.message == INSTALLER_READY && p.lParam == static_cast<LPARAM>(m_process.dwProcessId))
                result = static_cast<int>(p.wParam);
        return result != -1;
    }, 60000);
    if (!reported) {
        DWORD code = 0;
        if (!m_process.hProcess)
            std::fprintf(stderr, "the installer did not start (error %lu)\n", m_startError);
        else if (GetExitCodeProcess(m_process.hProcess, &code) && code != STILL_ACTIVE)
            std::fprintf(stderr, "the installer ended with %lu before it reported\n", code);
        else
            std::fprintf(stderr, "the installer runs but has not reported\n");
    }
    return result;
}

void InstallerProcess::Release()
{
    PostThreadMessageA(m_process.dwThreadId, INSTALLER_RELEASE, 0, 0);
}

bool InstallerProcess::WaitEnded()
{
    return m_recorder.WaitFor([&] { return WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0; });
}

bool InstallerProcess::WaitUnloaded()
{
    return m_recorder.WaitFor(
        [&] { return m_recorder.Count(INSTALLER_UNLOADED, 0, static_cast<LPARAM>(m_process.dwProcessId)) > 0; });
}

#include "InstallerProcess.h"

#include <cstdio>
#include <string>

#include "InstallerProtocol.h"

namespace {

std::string InstallerCommand(const PostRecorder& recorder, int mode, InstallerProcess::Scope scope,
                             InstallerProcess::LetGo letGo)
{
    const std::string arguments = std::to_string(reinterpret_cast<UINT_PTR>(recorder.hwnd())) + " " +
                                  std::to_string(mode) + (scope == InstallerProcess::EVERY_THREAD ? " all" : " self") +
                                  (letGo == InstallerProcess::EXIT ? " exit" : " unload");
    return support::BesideThisProgram("hook_installer.exe", arguments);
}

} // namespace

InstallerProcess::InstallerProcess(PostRecorder& recorder, int mode, Scope scope, LetGo letGo)
    : m_recorder(recorder), m_process(InstallerCommand(recorder, mode, scope, letGo))
{
}

// Asked to quit; ended (by m_process) when it does not.
InstallerProcess::~InstallerProcess()
{
    if (!m_process.Started())
        return;
    PostThreadMessageA(m_process.MainThreadId(), WM_QUIT, 0, 0);
    WaitEnded();
}

// A new Wine process on a busy machine can take its time to start: the wait
// is long, and when it still fails the installer's state goes to the log.
int InstallerProcess::WaitInstalled()
{
    int result = -1;
    bool reported = m_recorder.WaitFor([&] {
        for (const Posted& p : m_recorder.posts())
            if (p.message == INSTALLER_READY && p.lParam == static_cast<LPARAM>(m_process.Id()))
                result = static_cast<int>(p.wParam);
        return result != -1;
    }, 60000);
    if (!reported)
        std::fprintf(stderr, "the installer has not reported: %s\n", m_process.State().c_str());
    return result;
}

void InstallerProcess::Release()
{
    PostThreadMessageA(m_process.MainThreadId(), INSTALLER_RELEASE, 0, 0);
}

bool InstallerProcess::WaitEnded()
{
    return m_recorder.WaitFor([&] { return !m_process.Running(); });
}

bool InstallerProcess::WaitUnloaded()
{
    return m_recorder.WaitFor(
        [&] { return m_recorder.Count(INSTALLER_UNLOADED, 0, static_cast<LPARAM>(m_process.Id())) > 0; });
}

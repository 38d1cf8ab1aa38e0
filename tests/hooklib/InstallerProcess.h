// One running hook_installer.exe (installer.cpp): Tapwire's capture hooks
// installed from a process other than the test's, with the test's recorder
// as the notify window.
#pragma once
#include <windows.h>

#include "PostRecorder.h"
#include "tests/support/Process.h"

class InstallerProcess {
public:
    enum Scope { EVERY_THREAD, ITS_OWN_THREAD };
    enum LetGo { EXIT, UNLOAD };  // how Release() lets go of the library

    InstallerProcess(PostRecorder& recorder, int mode, Scope scope, LetGo letGo);
    ~InstallerProcess();
    InstallerProcess(const InstallerProcess&) = delete;
    InstallerProcess& operator=(const InstallerProcess&) = delete;

    // SetTapwire's result in the installer, or -1 when it never reported.
    int WaitInstalled();
    // Lets go of the library with the hooks still installed: ends the
    // process, or frees the library and lives on.
    void Release();
    bool WaitEnded();
    bool WaitUnloaded();

private:
    PostRecorder& m_recorder;
    support::Process m_process;
};

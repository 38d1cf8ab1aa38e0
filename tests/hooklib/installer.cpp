// Installs Tapwire's capture hooks from a process of its own.
//   hook_installer <test window> <mode> all|self exit|unload
// Loads Tapwire.dll, calls SetTapwire(test window, thread, mode) for every
// thread ("all") or for its own thread only ("self", which sets the shared
// notify window without watching anyone else), and posts INSTALLER_READY
// (wParam: the result) to the test window. On the thread message
// INSTALLER_RELEASE, "exit" ends the process with the hooks still installed;
// "unload" frees the library and posts INSTALLER_UNLOADED. WM_QUIT ends it.
#include <cstdlib>
#include <cstring>

#include "InstallerProtocol.h"

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    HWND test = reinterpret_cast<HWND>(std::strtoull(argv[1], nullptr, 10));
    int mode = std::atoi(argv[2]);
    DWORD thread = std::strcmp(argv[3], "self") == 0 ? GetCurrentThreadId() : 0;
    bool unload = std::strcmp(argv[4], "unload") == 0;
    const LPARAM me = static_cast<LPARAM>(GetCurrentProcessId());

    HMODULE tapwire = LoadLibraryA("Tapwire.dll");
    if (!tapwire)
        return 3;
    typedef int(WINAPI * SetTapwireFn)(HWND, DWORD, int);
    auto setTapwire = reinterpret_cast<SetTapwireFn>(reinterpret_cast<void*>(GetProcAddress(tapwire, "SetTapwire")));
    if (!setTapwire)
        return 4;

    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, before anyone posts to it
    PostMessageA(test, INSTALLER_READY, setTapwire(test, thread, mode), me);

    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == INSTALLER_RELEASE) {
            if (!unload)
                ExitProcess(0);
            FreeLibrary(tapwire);
            PostMessageA(test, INSTALLER_UNLOADED, 0, me);
        }
        DispatchMessageA(&msg);
    }
    return 0;
}

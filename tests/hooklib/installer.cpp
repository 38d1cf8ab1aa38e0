// Installs Tapwire's capture hooks from a process of its own, so a test can
// watch what happens when that process lets go of the library.
//   hook_installer <test window> <mode> exit|unload
// Loads Tapwire.dll, calls SetTapwire(test window, 0, mode) and posts
// INSTALLER_READY (wParam: the result) to the test window. Then, on the
// thread message INSTALLER_RELEASE: "exit" ends the process with the hooks
// still installed; "unload" frees the library, posts INSTALLER_UNLOADED and
// waits for WM_QUIT.
#include <cstdlib>
#include <cstring>

#include "InstallerProtocol.h"

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    HWND test = reinterpret_cast<HWND>(std::strtoull(argv[1], nullptr, 10));
    int mode = std::atoi(argv[2]);
    bool unload = std::strcmp(argv[3], "unload") == 0;

    HMODULE tapwire = LoadLibraryA("Tapwire.dll");
    if (!tapwire)
        return 3;
    typedef int(WINAPI * SetTapwireFn)(HWND, DWORD, int);
    auto setTapwire = reinterpret_cast<SetTapwireFn>(reinterpret_cast<void*>(GetProcAddress(tapwire, "SetTapwire")));
    if (!setTapwire)
        return 4;

    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, before anyone posts to it
    PostMessageA(test, INSTALLER_READY, setTapwire(test, 0, mode), 0);

    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == INSTALLER_RELEASE) {
            if (!unload)
                ExitProcess(0);
            FreeLibrary(tapwire);
            PostMessageA(test, INSTALLER_UNLOADED, 0, 0);
        }
        DispatchMessageA(&msg);
    }
    return 0;
}

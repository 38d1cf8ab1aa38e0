// The library's entry point. The linker is told to start here directly: no
// C runtime start-up, so nothing runs in a hooked process but this.
#include "Tapwire.h"
#include "TapwireState.h"

namespace {

bool HoldsCaptureHooks()
{
    return g_hHooks[SLOT_MESSAGE] || g_hHooks[SLOT_KEYBOARD] || g_hHooks[SLOT_MOUSE];
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hinstDll, DWORD reason, LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_hInstance = hinstDll;
        g_bAllHooks = 0;
        g_tapwireMessages = RegisterTapwireMessages();
        // Nothing to do per thread; spare every hooked application the calls.
        DisableThreadLibraryCalls(hinstDll);
        break;
    case DLL_PROCESS_DETACH:
        // The notify windows are shared, so every process that unmaps us gets
        // here with them set; only the installing process has hooks to remove.
        if (g_hwndNotify && HoldsCaptureHooks())
            ClearTapwire(SharedToHwnd(g_hwndNotify));
        if (g_hwndLButtonNotify && g_hLButtonHook)
            ClearLButtonHook();
        break;
    }
    return TRUE;
}

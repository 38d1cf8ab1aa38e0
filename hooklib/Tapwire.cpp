// The exported functions. They run in the installing process (Zeto's
// user-interface thread); the hook handles they keep exist only there.
#include "Tapwire.h"

#include "HookProcs.h"
#include "TapwireState.h"

namespace {

const int kSlotHookType[SLOT_COUNT] = {WH_GETMESSAGE, WH_KEYBOARD, WH_MOUSE};
const HOOKPROC kSlotHookProc[SLOT_COUNT] = {SelectionHookProc, CtrlCHookProc, RButtonCopyHookProc};

// Puts a newly installed hook where an older one may still sit. The older
// one is removed only once its successor is in: a slot never loses track of
// a live hook, and a thread is never watched twice by the same procedure.
void ReplaceHook(HHOOK& held, HHOOK installed)
{
    if (held)
        UnhookWindowsHookEx(held);
    held = installed;
}

// Installs the hook of `slot` for `threadId`; false (and the slot as it was)
// when the system refuses.
bool InstallSlot(int slot, DWORD threadId)
{
    HHOOK hook = SetWindowsHookExA(kSlotHookType[slot], kSlotHookProc[slot], g_hInstance, threadId);
    if (!hook)
        return false;
    ReplaceHook(g_hHooks[slot], hook);
    return true;
}

// A removed hook's handle is forgotten, so it is never passed on again.
BOOL RemoveHook(HHOOK& held)
{
    BOOL removed = UnhookWindowsHookEx(held);
    if (removed)
        held = nullptr;
    return removed;
}

}  // namespace

extern "C" int WINAPI SetTapwire(HWND hwndNotify, DWORD threadId, int mode)
{
    if (mode < CAPTURE_SELECT || mode > CAPTURE_ALL)
        return 0;
    bool installed = true;
    DWORD firstError = ERROR_SUCCESS;
    int first = mode == CAPTURE_ALL ? SLOT_MESSAGE : mode;
    int last = mode == CAPTURE_ALL ? SLOT_MOUSE : mode;
    // In mode 3 every hook is attempted, whatever became of the one before.
    for (int slot = first; slot <= last; ++slot) {
        if (!InstallSlot(slot, threadId) && installed) {
            installed = false;
            firstError = GetLastError();
        }
    }
    g_bAllHooks = mode == CAPTURE_ALL ? 1 : 0;
    g_nHookIndex = first;
    if (!installed) {
        // The caller shows this number; later successful calls must not hide it.
        SetLastError(firstError);
        return 0;
    }
    g_hwndNotify = HwndToShared(hwndNotify);
    return 1;
}

extern "C" int WINAPI ClearTapwire(HWND)
{
    BOOL result;
    if (g_bAllHooks == 1) {
        // All three are attempted; the result holds only if all went.
        BOOL message = RemoveHook(g_hHooks[SLOT_MESSAGE]);
        BOOL keyboard = RemoveHook(g_hHooks[SLOT_KEYBOARD]);
        BOOL mouse = RemoveHook(g_hHooks[SLOT_MOUSE]);
        result = message && keyboard && mouse;
    } else {
        result = RemoveHook(g_hHooks[g_nHookIndex]);
    }
    if (result)
        g_hwndNotify = 0;
    return result;
}

extern "C" int WINAPI SetLButtonHook(HWND hwndNotify, DWORD threadId)
{
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, LButtonHookProc, g_hInstance, threadId);
    if (!hook)
        return 0;
    ReplaceHook(g_hLButtonHook, hook);
    g_hwndLButtonNotify = HwndToShared(hwndNotify);
    return 1;
}

extern "C" int WINAPI ClearLButtonHook(void)
{
    BOOL result = RemoveHook(g_hLButtonHook);
    if (result)
        g_hwndLButtonNotify = 0;
    return result;
}

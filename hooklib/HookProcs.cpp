#include "HookProcs.h"

#include "Tapwire.h"
#include "TapwireState.h"

namespace {

// Posted, never sent: a hooked thread must not wait for Zeto. With no window
// to notify the post is dropped here; PostMessageA with a null window would
// put a stray thread message into the hooked application's own queue.
void PostToShared(LONG sharedHwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = SharedToHwnd(sharedHwnd);
    if (hwnd)
        PostMessageA(hwnd, message, wParam, lParam);
}

const WPARAM VK_LETTER_C = 0x43;

}  // namespace

// In every procedure below a negative code is the system's: the message is
// only passed on, never looked at.
//
// Every retrieved message, removed or only peeked at, counts; a double click
// thus yields release, double click, release.
LRESULT CALLBACK SelectionHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        g_hwndLastMsg = HwndToShared(msg->hwnd);
        if (msg->message == WM_LBUTTONUP || msg->message == WM_LBUTTONDBLCLK)
            PostToShared(g_hwndNotify, g_tapwireMessages.mouseSelection,
                         reinterpret_cast<WPARAM>(msg->hwnd),
                         reinterpret_cast<LPARAM>(GetForegroundWindow()));
    }
    return CallNextHookEx(g_hHooks[SLOT_MESSAGE], code, wParam, lParam);
}

// Key-down, each auto-repeat and key-up of C all post. Ctrl counts when its
// state word is nonzero at all: held down (high bit) or only toggled (low bit).
LRESULT CALLBACK CtrlCHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0 && wParam == VK_LETTER_C && GetKeyState(VK_CONTROL) != 0)
        PostToShared(g_hwndNotify, g_tapwireMessages.ctrlC, 0,
                     reinterpret_cast<LPARAM>(GetForegroundWindow()));
    return CallNextHookEx(g_hHooks[SLOT_KEYBOARD], code, wParam, lParam);
}

// A right release opens a context menu; the next left release in this same
// process is taken as its Copy. The flag is per process, so a right release
// in one application never pairs with a left release in another.
LRESULT CALLBACK RButtonCopyHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0) {
        if (wParam == WM_RBUTTONUP) {
            g_bRButtonUp = 1;
        } else if (wParam == WM_LBUTTONUP && g_bRButtonUp == 1) {
            g_bRButtonUp = 0;
            PostToShared(g_hwndNotify, g_tapwireMessages.rbuttonCopy, 0,
                         reinterpret_cast<LPARAM>(GetForegroundWindow()));
        }
    }
    return CallNextHookEx(g_hHooks[SLOT_MOUSE], code, wParam, lParam);
}

// Reports each left-button press with its screen point.
LRESULT CALLBACK LButtonHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message == WM_LBUTTONDOWN)
            PostToShared(g_hwndLButtonNotify, g_tapwireMessages.lbuttonPress,
                         static_cast<WPARAM>(msg->pt.x), static_cast<LPARAM>(msg->pt.y));
    }
    return CallNextHookEx(g_hLButtonHook, code, wParam, lParam);
}

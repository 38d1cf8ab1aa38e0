// A small application for the hooks to watch: a top-level window split into
// a child whose class takes double clicks and a child whose class does not.
//   hook_target <test window> <x> <y> [peek]
// It reports to the test window what it handles (TargetProtocol.h) and ends
// on WM_CLOSE. Its loop calls GetMessage only; with "peek" it first looks at
// each message with PeekMessage(PM_NOREMOVE), as some applications do.
#include <cstdlib>
#include <cstring>

#include "TargetProtocol.h"
#include "tests/support/WindowClass.h"

namespace {

HWND g_hwndTest;

bool IsReported(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_KEYDOWN: case WM_KEYUP:
        return true;
    }
    return false;
}

void SetCtrlToggle(bool on)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = static_cast<BYTE>(on ? keys[VK_CONTROL] | 1 : keys[VK_CONTROL] & ~1);
    SetKeyboardState(keys);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsReported(message)) {
        bool key = message == WM_KEYDOWN || message == WM_KEYUP;
        PostMessageA(g_hwndTest, TARGET_SAW, message, key ? static_cast<LPARAM>(wParam) : reinterpret_cast<LPARAM>(hwnd));
    }
    switch (message) {
    case TARGET_SET_CTRL_TOGGLE:
        SetCtrlToggle(wParam != 0);
        PostMessageA(g_hwndTest, TARGET_SAW, message, static_cast<unsigned short>(GetKeyState(VK_CONTROL)));
        return 0;
    case WM_DESTROY:
        if (!GetParent(hwnd))
            PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateChild(HWND parent, const char* className, int x)
{
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | WS_BORDER, x, 0, 200, 200, parent,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5)
        return 2;
    const bool peekFirst = argc == 5 && std::strcmp(argv[4], "peek") == 0;
    g_hwndTest = reinterpret_cast<HWND>(std::strtoull(argv[1], nullptr, 10));
    int x = std::atoi(argv[2]);
    int y = std::atoi(argv[3]);

    support::RegisterWindowClass("HookTargetTop", WndProc);
    support::RegisterWindowClass("HookTargetPlain", WndProc);
    support::RegisterWindowClass("HookTargetDblClks", WndProc, CS_DBLCLKS);

    // Shown once whole: whoever finds it visible finds its children.
    HWND top = CreateWindowExA(0, "HookTargetTop", "hook target", WS_POPUP, x, y, 400, 200, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!top || !CreateChild(top, "HookTargetDblClks", 0) || !CreateChild(top, "HookTargetPlain", 200))
        return 3;
    ShowWindow(top, SW_SHOW);
    UpdateWindow(top);

    MSG msg;
    for (;;) {
        if (peekFirst && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            WaitMessage();
            continue;
        }
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

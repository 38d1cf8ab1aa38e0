// The plumbing of the tests' own small windows (stand-in applications,
// viewers, recorders): a window class, and the loop that runs them.
#pragma once
#include <windows.h>

namespace support {

// A window class of this program with an arrow cursor and the window colour;
// registering it again is harmless.
inline void RegisterWindowClass(const char* name, WNDPROC proc, UINT style = 0)
{
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
}

// Dispatches this thread's messages until WM_QUIT.
inline void RunMessageLoop()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

} // namespace support

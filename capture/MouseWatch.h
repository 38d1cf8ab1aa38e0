// Zeto's own low-level mouse hook. It runs in Zeto's thread (the system calls
// it there; nothing is injected into other processes) and sees where the left
// button goes down and comes up anywhere on the desktop, which Tapwire's
// message hook does not report. From that it tells selections from clicks
// (SelectionGesture). It watches only while the capture hooks are installed;
// while it can't watch, the main dialog takes no mouse report at all.
#pragma once
#include "capture/SelectionGesture.h"

#include <windows.h>

class CMouseWatch {
public:
    CMouseWatch();
    ~CMouseWatch();
    CMouseWatch(const CMouseWatch&) = delete;
    CMouseWatch& operator=(const CMouseWatch&) = delete;

    // Starts watching (again); false when the hook could not be installed.
    bool Start();
    void Stop();
    bool Watching() const { return m_hook != nullptr; }
    // True once for each release that ended a selection: a double click, or
    // a drag that began over a window's content. A drag begun on a scrollbar,
    // a border, a caption or a splitter moves or sizes something and selects
    // nothing. While not watching every release counts, as Zeto cannot tell
    // (the dialog then takes none).
    bool TakeSelection();

    // What the hook procedure does; public for the tests, which feed it.
    void OnButton(WPARAM message, POINT pt, DWORD timeMs);

    // How the hook goes in: the system's call. A test puts in one that
    // fails, as the system's may.
    using HookInstaller = HHOOK(WINAPI*)(int, HOOKPROC, HINSTANCE, DWORD);
    HookInstaller m_install = ::SetWindowsHookExA;

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
    static CMouseWatch* s_active;   // one watch per process: the main dialog's

    HHOOK m_hook = nullptr;
    SelectionGesture m_gesture;
};

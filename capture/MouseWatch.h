// Zeto's own low-level mouse hook. It runs in Zeto's thread (the system calls
// it there; nothing is injected into other processes) and sees where the left
// button goes down and comes up anywhere on the desktop, which Tapwire's
// message hook does not report. From that it tells selections from clicks
// (SelectionGesture). It watches only while the capture hooks are installed,
// and it is the gate of Tapwire's mouse reports: the main dialog takes them
// only while it watches.
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
    // Whether the main dialog takes Tapwire's mouse reports: while it watches.
    bool TakesReports() const { return Watching() || m_everyRelease; }
    // For the tests, which make their own reports: they are taken, and with
    // no hook every release counts as a selection.
    void TakeEveryRelease() { m_everyRelease = true; }
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
    bool m_everyRelease = false;
    SelectionGesture m_gesture;
};

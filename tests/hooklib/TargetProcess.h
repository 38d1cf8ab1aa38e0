// One running hook_target.exe (target.cpp): a second process for the hooks
// to watch, reporting to a PostRecorder what it handles.
#pragma once
#include <windows.h>

#include <string>

#include "PostRecorder.h"
#include "tests/support/Process.h"

class TargetProcess {
public:
    enum Loop { GET_ONLY, PEEK_FIRST };  // how its message loop reads

    // Starts the target with its top-left corner at (x, y) on the screen and
    // waits until its windows exist; ok() tells whether that worked.
    TargetProcess(PostRecorder& recorder, int x, int y, Loop loop = GET_ONLY);
    ~TargetProcess();
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;

    bool ok() const { return m_top != nullptr; }
    HWND top() const { return m_top; }
    HWND dblclks() const { return m_dblclks; }  // its class has CS_DBLCLKS
    HWND plain() const { return m_plain; }      // its class has not
    DWORD threadId() const { return m_threadId; }

    // Clicks into the plain child until the target has seen the click and is
    // the foreground window; true when it is.
    bool Activate();
    // Waits for the target's report that it handled `message` for `lParam`
    // (a window, or a virtual key), `count` times in all.
    bool WaitSaw(UINT message, LPARAM lParam, int count = 1);
    int Saw(UINT message, LPARAM lParam) const;
    // Sets or clears the toggle bit of Ctrl in the target thread's key state;
    // returns what GetKeyState(VK_CONTROL) then gives there (-1 on timeout).
    int SetCtrlToggle(bool on);

private:
    PostRecorder& m_recorder;
    support::Process m_process;
    HWND m_top = nullptr;
    HWND m_dblclks = nullptr;
    HWND m_plain = nullptr;
    DWORD m_threadId = 0;
};

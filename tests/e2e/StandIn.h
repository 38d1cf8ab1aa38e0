// A stand-in application of the capture tests (tests/capture's copy_target),
// or a program of Wine's own, started as a process of its own beside the
// end-to-end driver.
#pragma once
#include "tests/support/Process.h"

#include <windows.h>

#include <string>

class StandIn {
public:
    // Waits for its window titled `title`; top() stays null if it never came.
    StandIn(const std::string& kind, const std::string& title);
    // Any program by its command line; top() is its first visible top-level
    // window.
    explicit StandIn(const std::string& commandLine);

    HWND top() const { return m_top; }
    // Screen point in the middle of its first child window.
    POINT ChildCentre() const;

private:
    support::Process m_process;   // ended with the stand-in
    HWND m_top = nullptr;
};

// A stand-in application of the capture tests (tests/capture's copy_target),
// started as a process of its own beside the end-to-end driver.
#pragma once
#include <windows.h>

#include <string>

class StandIn {
public:
    // Waits for its window titled `title`; top() stays null if it never came.
    StandIn(const std::string& kind, const std::string& title);
    ~StandIn();   // ends it
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    HWND top() const { return m_top; }
    // Screen point in the middle of its first child window.
    POINT ChildCentre() const;

private:
    PROCESS_INFORMATION m_process{};
    HWND m_top = nullptr;
};

// A stand-in application of the tests (tests/capture's copy_target, whose
// source lists its kinds), or a program of Wine's own, in a process of its
// own that ends with the object.
#pragma once
#include "tests/support/Process.h"

#include <windows.h>

#include <string>

namespace support {

class StandIn : public Process {
public:
    // copy_target of that kind; waits for its window titled `title`; top()
    // stays null if it never came.
    StandIn(const std::string& kind, const std::string& title);
    // Any program by its command line; top() is its first visible top-level
    // window.
    explicit StandIn(const std::string& commandLine);

    HWND top() const { return m_top; }
    HWND child() const { return ::GetWindow(m_top, GW_CHILD); }   // its first child
    // Screen point in the middle of its first child.
    POINT ChildCentre() const;

private:
    HWND m_top = nullptr;
};

} // namespace support

// Support for the capture tests under Wine: a running copy_target.exe, and
// the main dialog over a small dictionary.
#pragma once
#include "tests/support/Clipboard.h"
#include "tests/support/MainDialog.h"
#include "tests/support/StandIn.h"
#include "tests/support/Pump.h"

#include <windows.h>

#include <memory>
#include <string>
#include <thread>

class CopyTarget {
public:
    // Wine keeps menus per process: Zeto can read the menu of a target only
    // in its own process there. Targets whose menu is read run in a thread.
    enum Where { OWN_PROCESS, THIS_PROCESS };
    // Waits for its window.
    CopyTarget(const char* kind, const char* title, Where where = OWN_PROCESS);
    ~CopyTarget();   // ends it
    CopyTarget(const CopyTarget&) = delete;
    CopyTarget& operator=(const CopyTarget&) = delete;
    HWND top() const { return m_top; }
    // The window of that class in the target's tree, or null.
    HWND Find(const char* className) const;

private:
    std::unique_ptr<support::StandIn> m_standIn;   // in its own process: ended with the target
    std::thread m_thread;
    HWND m_top = nullptr;
};

// The main dialog open over data.dat with apple, house and word, and an
// empty NewData.dat.
class CaptureDialog : public support::MainDialog {
public:
    CaptureDialog();
    std::string Translation() const;   // edit 1001
};

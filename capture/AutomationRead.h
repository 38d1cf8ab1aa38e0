// Asking UI Automation for the selection of the element that has the
// keyboard focus, for applications whose controls are not edits (browsers,
// word processors, readers): the user's clipboard is not touched. The
// question goes to a worker thread of the reader's own, in its own COM
// apartment, started by the first question: the UI thread, which also runs
// the low-level mouse hook, only waits (handling the messages sent to it)
// for at most a small budget, and a provider that hangs costs no more.
// Nothing of a password element is read.
#pragma once
#include "capture/ControlRead.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <utility>

namespace uia {
struct IUIAutomation;
}

class AutomationReader {
public:
    // How long a question may take before the selection is copied after all.
    static constexpr DWORD BUDGET_MS = 150;
    // At Zeto's exit the worker is given this long, then left to the end of the process.
    static constexpr DWORD STOP_WAIT_MS = 2000;

    // Makes the automation object on the worker, in its apartment; null
    // where there is none. One reference goes to the reader.
    using Factory = std::function<uia::IUIAutomation*()>;
    static uia::IUIAutomation* SystemAutomation();

    explicit AutomationReader(Factory factory = SystemAutomation) : m_factory(std::move(factory)) {}
    ~AutomationReader();
    AutomationReader(const AutomationReader&) = delete;
    AutomationReader& operator=(const AutomationReader&) = delete;

    // The selection of the focused element when it belongs to the process of
    // window, within budgetMs: Read (as much of it as the lookup needs),
    // LeftAlone for a password element, NotAnEdit when UI Automation gives
    // nothing in time (none there, no text pattern, nothing selected, another
    // process's element, a question still unanswered).
    ControlReading Read(HWND window, DWORD budgetMs);

private:
    struct Mailbox;
    bool Started();
    static DWORD WINAPI Work(LPVOID mailbox);

    Factory m_factory;
    HANDLE m_hThread = nullptr;
    std::shared_ptr<Mailbox> m_pMailbox;   // the worker holds it too: it may outlive us
};

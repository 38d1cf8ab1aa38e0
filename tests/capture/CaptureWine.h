// Support for the capture tests under Wine: a running copy_target.exe, and a
// main dialog of Zeto made modeless in a directory with a small dictionary.
#pragma once
#include "tests/support/Clipboard.h"
#include "tests/support/Pump.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>

class CMainDlg;

using support::ClipboardText;

inline bool WaitFor(const std::function<bool()>& cond, DWORD timeoutMs = 10000)
{ return support::PumpUntil(cond, timeoutMs); }
inline void PumpMessages() { support::PumpPending(); }

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
    PROCESS_INFORMATION m_process{};
    std::thread m_thread;
    HWND m_top = nullptr;
};

// CMainDlg created modeless in a fresh directory holding data.dat with
// apple, house and word, and an empty NewData.dat.
class MainDialog {
public:
    MainDialog();
    ~MainDialog();
    CMainDlg& dlg() { return *m_dlg; }
    std::string Translation() const;   // edit 1001

private:
    std::string m_dir;
    char m_oldDir[MAX_PATH] = "";
    std::unique_ptr<CMainDlg> m_dlg;
};

// Helpers for the tests that drive real windows under Wine: pumping this
// thread's messages until a condition holds, a temporary working directory
// with dictionary files, and a watcher that reads and answers message boxes.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/ScratchDir.h"

namespace uitest {

// Dispatches this thread's messages until cond() holds or timeoutMs passed.
// Returns cond() at the end. Never sleeps blindly: it waits for messages.
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 10000);
// Dispatches what is queued now (and what that produces) without waiting.
void PumpPending();

using Pairs = std::vector<std::pair<std::string, std::string>>;

// Writes a dictionary file in the program's record format.
void WriteDictionary(const std::string& path, const Pairs& pairs);

using TempWorkDir = support::ScratchDir;

// What a message box looked like when the watcher answered it.
struct SeenBox {
    std::string caption;
    std::string text;
    HICON icon = nullptr;     // the icon it showed
    bool hasOk = false;
    bool hasCancel = false;   // a visible Cancel button
    HWND owner = nullptr;
};

// While it lives, every message box of this thread is read and answered with
// OK (a thread timer runs inside the box's own modal loop).
class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    const std::vector<SeenBox>& Seen() const { return m_seen; }
    // Called for each box before it is answered (to look at focus, windows).
    std::function<void(HWND box)> onBox;
private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR m_timer;
    std::vector<SeenBox> m_seen;
};

// The text of a window of any process (WM_GETTEXT, sent).
std::string TextOf(HWND hwnd);

// COLORREF of a brush.
COLORREF BrushColor(HBRUSH brush);

// Unix path of the build tree as seen from Wine ("Z:\...").
std::string BuildPath(const std::string& relative);

} // namespace uitest

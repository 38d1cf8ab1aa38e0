// Message boxes in the tests under Wine: each one of this thread is read and
// answered, so code under test that shows one runs on.
#pragma once
#include "tests/support/WindowText.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace support {

// What a message box looked like when the watcher answered it.
struct SeenBox {
    std::string caption;
    std::string text;
    HICON icon = nullptr;     // the icon it showed
    bool hasOk = false;
    bool hasCancel = false;   // a visible Cancel button
    HWND owner = nullptr;
};

// A visible dialog (of the dialog class, message boxes too).
bool IsDialog(HWND hwnd);
// A visible message box: a dialog with a static of id 0xFFFF holding its text.
bool IsMessageBox(HWND hwnd);
// The first top-level window of this thread that matches, or null.
HWND FindThreadWindow(const std::function<bool(HWND)>& match);
// What the box shows now.
SeenBox ReadBox(HWND box);
// Ends the box as its OK button would.
void AnswerOk(HWND box);

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

} // namespace support

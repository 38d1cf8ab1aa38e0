// Helpers for the typing, Add New Word and Options tests, which drive the
// real main dialog in-process under Wine: a script that acts in the modal
// dialogs and message boxes the code under test opens, and dialog items set
// as the user would.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/MessageBoxes.h"
#include "tests/support/Pump.h"
#include "tests/support/Records.h"

namespace typing {

std::string Hex(const std::string& bytes);

// One window of this thread's dialogs that the script acts on.
using Matcher = std::function<bool(HWND)>;
Matcher Caption(const std::string& caption);   // a visible dialog with this caption
// The framework's standard box, captioned with the executable's base name.
Matcher FrameworkBox();

// Steps run in order, each once, from a thread timer, so they also run
// inside the modal loops of the dialogs under test. A step waits until a
// visible top-level window of this thread matches and its condition holds;
// the window is handed to its action. Actions should post, not send, the
// commands that end a dialog.
class DialogScript {
public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    DialogScript& Then(Matcher match, std::function<void(HWND)> act, std::function<bool()> when = nullptr);
    // A framework box: its text goes to boxTexts, then it is answered OK.
    DialogScript& AnswerBox();
    bool Done() const { return m_next == m_steps.size(); }
    size_t StepsDone() const { return m_next; }
    // Texts of the boxes answered by AnswerBox, in order.
    std::vector<std::string> boxTexts;
    // Cancels every dialog of this thread once the script has waited this long.
    DWORD timeoutMs = 30000;

private:
    struct Step {
        Matcher match;
        std::function<void(HWND)> act;
        std::function<bool()> when;
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void OnTick();
    std::vector<Step> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
    DWORD m_start = 0;
    bool m_inTick = false;
};

void SetText(HWND dlg, int id, const std::string& text);
// Posts a button's click to its dialog, as a click of the user would.
void PostClick(HWND dlg, int id);
void SetCheck(HWND dlg, int id, bool checked);

} // namespace typing

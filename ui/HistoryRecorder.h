// What the main dialog hands to History.dat (HistoryBook): every translation
// shown for a word of another application, and every typed word the user
// settles on (Enter, a click on a row or in the list, or no change for
// SETTLE_MS). Only found words are kept: with the word as looked up, the
// entry shown (a base form, a phrase, else the word), the translation's
// first reading and, for another application's word, its window's title.
//
// A lookup is only noted where it is made. Another application's word is
// written once its translation is shown, and then only when Zeto is idle
// (a timer's turn comes after the paint and the user's clipboard going
// back), so the capture road waits for no disk; a typed word is written as
// the user settles on it. With Keep History off nothing is written and
// History.dat is not opened.
#pragma once
#include "dictionary/FormLookup.h"
#include "framework/TimerWindow.h"
#include "notebook/HistoryBook.h"

#include <deque>
#include <functional>
#include <string>

class HistoryRecorder {
public:
    static constexpr UINT SETTLE_MS = 2000;

    // note: one line for the user, in Windows-1251.
    explicit HistoryRecorder(std::function<void(const std::string&)> note);

    // Keep History on opens History.dat (once); off forgets what waits.
    void Keep(bool on);

    // Every road's lookup: the last answer is noted, word and all (Windows-1251),
    // with how its entry is said (UTF-8) and the text it is shown as.
    void Answered(const char* word, const CFormLookup::Answer& answer, const std::string& said,
                  const std::wstring& shown);
    // The last answer is another application's word, posted to be shown.
    void FromApplication();
    // A translation was shown: another application's lookup that waited for
    // it is written soon, with the title of the window in front.
    void Shown(const std::wstring& text);
    // The last answer is the typed word: written when the user settles on
    // it, or once the input box has not changed for SETTLE_MS.
    void Typed();
    // Enter, or a click on a suggestion row or in the list: the typed word
    // (or the list's word, the last answer) is written now.
    void Settled();
    // Every word goes; History.dat is written empty (opened for it if need be).
    void Clear();

    HistoryBook& Book() { return m_book; }

private:
    struct Noted {
        std::string word;          // Windows-1251, as every text of Zeto
        std::string entry;
        std::string translation;   // the first reading
        std::string said;          // how the entry is said, UTF-8
        std::wstring shown;        // the text shown, to know it when it is
    };
    void Write(const Noted& noted, const std::wstring& application);
    void WriteShown();

    HistoryBook m_book;
    bool m_keep = false;
    bool m_lastTaken = true;       // m_last is spent (or was nothing found)
    Noted m_last;
    std::deque<Noted> m_waiting;   // posted for another application, not yet shown
    std::deque<Noted> m_shown;     // shown, to be written when idle
    bool m_typedWaits = false;
    Noted m_typed;
    CTimerWindow m_settle{[this] { Settled(); }};
    CTimerWindow m_idle{[this] { WriteShown(); }};
};

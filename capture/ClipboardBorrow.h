// The user's clipboard while Zeto borrows it for a mouse selection: saving
// it, giving it back, and telling Zeto's own clipboard changes from others.
//
// What the user copied is never lost to a borrow:
// - a clipboard is borrowed only when all of it can be put back faithfully
//   (ClipboardFormats.h); otherwise the selection goes untranslated and the
//   user is told why, once per run;
// - a restore that cannot open the clipboard is retried in the background
//   (on a timer of the borrow's own, CTimerWindow); when it keeps
//   failing the user is told, the copy is kept and goes back at the next
//   chance, and meanwhile nothing is borrowed;
// - a newer copy (the user's, during the borrow) is left on the clipboard;
// - a late copy of the target's, landing after the restore, is undone.
// While the clipboard still holds what Zeto put back, the next borrow takes
// the copy kept from the last one instead of reading the clipboard again.
#pragma once
#include "capture/ClipboardSnapshot.h"
#include "framework/TimerWindow.h"

#include <windows.h>

#include <string>

class ClipboardBorrow {
public:
    ClipboardBorrow() = default;
    ~ClipboardBorrow();
    ClipboardBorrow(const ClipboardBorrow&) = delete;
    ClipboardBorrow& operator=(const ClipboardBorrow&) = delete;

    enum class Start {
        Borrowed,
        Refused,   // not borrowed; what the user should know is said in the dialog's translation box
        Busy,      // not borrowed: the clipboard could not be opened, or its owner hangs
    };
    // Saves the user's clipboard and empties it for the copy of target's process.
    Start Begin(HWND dialog, HWND target);
    // Zeto has read the target's copy (or found none).
    void CopyRead();
    // Gives the user's content back, unless someone else's newer content is
    // on the clipboard; retries in the background when the clipboard is held.
    void End();
    // The change now on the clipboard is Zeto's own: the emptying, the
    // target's copy or a restore.
    bool IsOwnChange() const;
    // The user's content is still to go back.
    bool RestorePending() const { return m_state == State::Retrying || m_state == State::Kept; }
    // Watching for a late copy after a restore.
    bool Watching() const { return m_state == State::Watching; }

    // Zeto presses Ctrl+C in window to have it copy. Tapwire reports that
    // key like the user's: a report from that window, posted soon after, is
    // its echo and no copy gesture.
    void PressingCtrlC(HWND window);
    bool IsOwnCtrlCEcho(DWORD postTime, HWND foreground) const;

private:
    enum class State { Idle, Borrowing, Retrying, Kept, Watching };
    enum class Restore { Done, Busy, Superseded };

    void OnTimer();
    Restore TryRestore(bool briefly);
    bool IsTargetsCopy() const;   // the clipboard is open
    void Say(const char* text) const;
    void EndWatch();
    void Finish();

    CTimerWindow m_timer{[this] { OnTimer(); }};   // the retries and the watch
    HWND m_hwnd = nullptr;       // m_timer's window, which owns the clipboard while Zeto holds it
    HWND m_dialog = nullptr;     // its translation box says what the user must know
    ClipboardSnapshot m_saved;
    State m_state = State::Idle;
    DWORD m_targetProcess = 0;
    DWORD m_sequenceRead = 0;    // the clipboard's change number when the target's copy was read
    UINT m_formatRead = 0;       // the text format read then (0: no text),
    std::string m_textRead;      // and its block
    long long m_ownSequence = -1;   // the change number of Zeto's last restore
    DWORD m_since = 0;           // when the retries or the watch began
    bool m_restoring = false;    // inside a restore
    bool m_refusalSaid = false;
    DWORD m_ownCtrlCTick = 0;     // when Zeto last pressed Ctrl+C,
    HWND m_ownCtrlCWindow = nullptr;   // and in which window
};

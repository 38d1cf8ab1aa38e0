// Zeto.ini written whenever the settings change, and only then. Another
// program reading the file (a virus scanner, a backup, an editor) can hold
// it so that it cannot be replaced for a moment: the write is then tried
// again in the background until the holder lets go or GIVE_UP_MS have
// passed. Only then, or at once for any other failure, is the user told;
// the old file stays whole and the next change tries again.
#pragma once
#include "framework/TimerWindow.h"

#include <windows.h>

#include <functional>
#include <string>

class SettingsSaver {
public:
    // notSaved runs when a write is given up, on the thread that saves.
    explicit SettingsSaver(std::function<void()> notSaved);

    // What Zeto.ini held when it was read. A file that could not be read
    // (writable false) is never written in this run, so the user's
    // settings are not lost to a passing lock; until this is called,
    // nothing is written either.
    void Loaded(const std::string& text, bool writable);
    // Zeto.ini should now hold text.
    void Save(const std::string& text);
    // The last save before the process ends, when no timer fires again: a
    // holder is waited out for up to EXIT_WAIT_MS.
    void SaveBeforeExit(const std::string& text);

private:
    void Write();

    std::function<void()> m_notSaved;
    bool m_writable = false;
    std::string m_saved;    // what Zeto.ini holds, as last read or written
    std::string m_wanted;   // what it should hold
    DWORD m_heldSince = 0;
    CTimerWindow m_retry{[this] { Write(); }};
};

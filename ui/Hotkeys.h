// The main window's global hotkeys, Pause and Speak, in one place: each held
// for the window while one is chosen, its menu item's label showing it. A
// key another program holds stays that program's, and the user is told.
#pragma once
#include "settings/HotkeyText.h"

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

class Hotkeys {
public:
    enum Id { PAUSE = 1, SPEAK = 2 };   // WM_HOTKEY's wParam

    // note: one line for the user, in Windows-1251.
    explicit Hotkeys(std::function<void(const std::string&)> note) : m_note(std::move(note)) {}

    // Holds hotkey (none: lets go of id's) as id for window; the menu item
    // says label and the key. When another program has it, the note is
    // its name followed by takenAfter.
    void Hold(HWND window, Id id, settings::Hotkey hotkey, UINT menuItem, const char* label, const char* takenAfter);
    // The key held as id now; none when none is.
    settings::Hotkey Held(Id id) const { return m_held[id - 1]; }
    void LetGo(HWND window);

private:
    std::function<void(const std::string&)> m_note;
    settings::Hotkey m_held[2];
};

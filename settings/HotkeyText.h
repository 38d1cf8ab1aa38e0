// A hotkey as Zeto.ini writes it: "Ctrl+Alt+Z", "Shift+F9", "None".
// Modifiers are the bits RegisterHotKey takes; keys are virtual-key codes.
#pragma once
#include <string>

namespace settings {

constexpr unsigned HOTKEY_ALT = 0x1, HOTKEY_CTRL = 0x2, HOTKEY_SHIFT = 0x4, HOTKEY_WIN = 0x8;

struct Hotkey {
    unsigned modifiers = 0;
    unsigned key = 0;   // 0: no hotkey
    bool operator==(const Hotkey& other) const { return modifiers == other.modifiers && key == other.key; }
    bool operator!=(const Hotkey& other) const { return !(*this == other); }
};

// Letters and digits by name, F1 to F24, any other key as "Key" and its
// code in decimal.
std::string HotkeyText(Hotkey hotkey);
// False (out untouched) for a text HotkeyText cannot have written, and for a
// key with no modifier other than Shift: pressed while typing, it would
// never reach the program in front.
bool ParseHotkey(const std::string& text, Hotkey& out);

} // namespace settings

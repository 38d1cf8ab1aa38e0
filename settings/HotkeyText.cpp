#include "settings/HotkeyText.h"

#include <cstdlib>

namespace settings {

namespace {

constexpr unsigned KEY_F1 = 0x70, FUNCTION_KEYS = 24;

struct Modifier {
    unsigned bit;
    const char* name;
};
constexpr Modifier MODIFIERS[] = {
    {HOTKEY_CTRL, "Ctrl"}, {HOTKEY_ALT, "Alt"}, {HOTKEY_SHIFT, "Shift"}, {HOTKEY_WIN, "Win"}};

std::string KeyName(unsigned key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return std::string(1, (char)key);
    if (key >= KEY_F1 && key < KEY_F1 + FUNCTION_KEYS)
        return "F" + std::to_string(key - KEY_F1 + 1);
    return "Key" + std::to_string(key);
}

bool ParseKey(const std::string& name, unsigned& key)
{
    for (unsigned k = 1; k < 256; ++k)
        if (KeyName(k) == name) {
            key = k;
            return true;
        }
    return false;
}

} // namespace

std::string HotkeyText(Hotkey hotkey)
{
    if (hotkey.key == 0)
        return "None";
    std::string text;
    for (const Modifier& m : MODIFIERS)
        if (hotkey.modifiers & m.bit)
            text += std::string(m.name) + "+";
    return text + KeyName(hotkey.key);
}

bool ParseHotkey(const std::string& text, Hotkey& out)
{
    if (text == "None") {
        out = Hotkey{};
        return true;
    }
    Hotkey hotkey;
    std::size_t start = 0;
    for (std::size_t plus; (plus = text.find('+', start)) != std::string::npos; start = plus + 1) {
        const std::string name = text.substr(start, plus - start);
        bool known = false;
        for (const Modifier& m : MODIFIERS)
            if (name == m.name && !(hotkey.modifiers & m.bit)) {
                hotkey.modifiers |= m.bit;
                known = true;
            }
        if (!known)
            return false;
    }
    if (!ParseKey(text.substr(start), hotkey.key) || (hotkey.modifiers & ~HOTKEY_SHIFT) == 0)
        return false;
    out = hotkey;
    return true;
}

} // namespace settings

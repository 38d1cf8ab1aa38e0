#include "ui/Hotkeys.h"

void Hotkeys::Hold(HWND window, Id id, settings::Hotkey hotkey, UINT menuItem, const char* label,
                   const char* takenAfter)
{
    ::UnregisterHotKey(window, id);
    m_held[id - 1] = settings::Hotkey{};
    const std::string name = settings::HotkeyText(hotkey);
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    std::string text = hotkey.key ? label + ("\t" + name) : label;
    item.dwTypeData = &text[0];
    ::SetMenuItemInfoA(::GetMenu(window), menuItem, FALSE, &item);
    if (hotkey.key == 0)
        return;
    // MOD_NOREPEAT: a held key acts once, not again with each repeat.
    if (::RegisterHotKey(window, id, hotkey.modifiers | MOD_NOREPEAT, hotkey.key))
        m_held[id - 1] = hotkey;
    else
        m_note(name + takenAfter);
}

void Hotkeys::LetGo(HWND window)
{
    for (Id id : {PAUSE, SPEAK}) {
        ::UnregisterHotKey(window, id);
        m_held[id - 1] = settings::Hotkey{};
    }
}

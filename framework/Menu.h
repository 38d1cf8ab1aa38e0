// Menu items by command id: the states the program switches them between.
#pragma once
#include <windows.h>

inline void GrayMenuItem(HMENU menu, UINT id) { ::EnableMenuItem(menu, id, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED); }
inline void EnableMenuItemById(HMENU menu, UINT id) { ::EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED); }

// Puts the check mark on or off; true when the item was checked before.
inline bool CheckMenuItemById(HMENU menu, UINT id, bool checked)
{
    return ::CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) == MF_CHECKED;
}

// Menu items by command id: the two states the program switches them between.
#pragma once
#include <windows.h>

inline void GrayMenuItem(HMENU menu, UINT id) { ::EnableMenuItem(menu, id, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED); }
inline void EnableMenuItemById(HMENU menu, UINT id) { ::EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED); }

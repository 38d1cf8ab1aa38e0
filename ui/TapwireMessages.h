// Zeto's numbers for the four messages Tapwire's hooks post to the main
// dialog (names in hooklib/Tapwire.h). Registered during static
// initialisation, before the main dialog exists.
#pragma once
#include <windows.h>

extern const UINT g_nMsgMouseSelection;   // a mouse selection in the target
extern const UINT g_nMsgKeyboardCtrlC;    // Ctrl+C in the target
extern const UINT g_nMsgRButtonUpMouse;   // right button + Copy in the target
extern const UINT g_nMsgLButtonUpRow;     // a left-button press in our thread (the suggestion rows)

// The four registered window messages that Tapwire's hooks post to the main
// dialog. Tapwire registers the same names and so obtains the same numbers.
// Registered during static initialisation, before the main dialog exists.
#pragma once
#include <windows.h>

extern const UINT g_nMsgMouseSelection;   // "UWM_MOUSEMOVE_MSG-44E531B1_14D3_11d5_A025_006067718D04"
extern const UINT g_nMsgKeyboardCtrlC;    // "UWM_KEYBOARD_CTRLC"
extern const UINT g_nMsgRButtonUpMouse;   // "UWM_RBUTTONUPMOUSE_MSG"
extern const UINT g_nMsgLButtonUpRow;     // "UWM_KEYPRESS_LBUTTONUP_MSG"

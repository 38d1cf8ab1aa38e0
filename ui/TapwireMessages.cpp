#include "ui/TapwireMessages.h"

#include "hooklib/Tapwire.h"

const UINT g_nMsgMouseSelection = ::RegisterWindowMessageA(MSG_NAME_MOUSE_SELECTION);
const UINT g_nMsgKeyboardCtrlC = ::RegisterWindowMessageA(MSG_NAME_KEYBOARD_CTRLC);
const UINT g_nMsgRButtonUpMouse = ::RegisterWindowMessageA(MSG_NAME_RBUTTON_COPY);
const UINT g_nMsgLButtonUpRow = ::RegisterWindowMessageA(MSG_NAME_LBUTTON_PRESS);

#include "capture/CaptureMessages.h"

const UINT g_nMsgMouseSelection = ::RegisterWindowMessageA("UWM_MOUSEMOVE_MSG-44E531B1_14D3_11d5_A025_006067718D04");
const UINT g_nMsgKeyboardCtrlC = ::RegisterWindowMessageA("UWM_KEYBOARD_CTRLC");
const UINT g_nMsgRButtonUpMouse = ::RegisterWindowMessageA("UWM_RBUTTONUPMOUSE_MSG");
const UINT g_nMsgLButtonUpRow = ::RegisterWindowMessageA("UWM_KEYPRESS_LBUTTONUP_MSG");

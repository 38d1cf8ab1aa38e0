// What the test target program and the tests say to each other. The target
// reports every mouse button and key message it handles back to the test's
// window, after the hooks of its thread have seen that message: when the
// report for the last input of a gesture arrives, every post the hooks made
// for the gesture has arrived before it.
#pragma once
#include <windows.h>

// target → test. wParam: the message handled; lParam: the window it was for
// (mouse buttons) or the virtual key (keys).
const UINT TARGET_SAW = WM_APP + 2;
// test → target's top window. Sets (wParam 1) or clears (0) the toggle bit
// of Ctrl in the target thread's key state; answered with TARGET_SAW whose
// lParam is GetKeyState(VK_CONTROL) afterwards.
const UINT TARGET_SET_CTRL_TOGGLE = WM_APP + 3;

// The hook procedures. They run inside the threads of every hooked
// application, so they only compare, read a word and post: no allocation,
// no waiting, nothing that can throw.
#pragma once
#include <windows.h>

LRESULT CALLBACK SelectionHookProc(int code, WPARAM wParam, LPARAM lParam);    // WH_GETMESSAGE
LRESULT CALLBACK CtrlCHookProc(int code, WPARAM wParam, LPARAM lParam);        // WH_KEYBOARD
LRESULT CALLBACK RButtonCopyHookProc(int code, WPARAM wParam, LPARAM lParam);  // WH_MOUSE
LRESULT CALLBACK LButtonHookProc(int code, WPARAM wParam, LPARAM lParam);      // WH_GETMESSAGE

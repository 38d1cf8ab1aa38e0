// A multi-line edit in a dialog passes Escape on to its dialog as a close
// (it posts WM_CLOSE), and Enter as a press of the default button. In the
// main dialog that would end Zeto, which only the close box, Alt+F4 and
// Exit may do.
#pragma once
#include <windows.h>

// The edit swallows Escape and Enter for the rest of its life.
void KeepCloseKeysIn(HWND edit);

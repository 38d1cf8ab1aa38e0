// Placeholder window until the main dialog is built.
#include <windows.h>
#include "Tapwire.h"
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ClearTapwire(nullptr);
    ClearLButtonHook();
    MessageBoxA(nullptr, "Wordlumo", "Wordlumo", MB_OK);
    return 0;
}

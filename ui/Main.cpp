// Zeto's entry point.
#include "ui/DictApp.h"

#include <windows.h>
#include <commctrl.h>

CDictApp theApp;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    // The Options dialog has a track bar, a common control.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    return theApp.Run(hInstance);
}

// Zeto's entry point.
#include "settings/StartupCommand.h"
#include "ui/DictApp.h"

#include <windows.h>
#include <commctrl.h>

CDictApp theApp;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    // Started from the Run key, Zeto is told where its files are.
    const std::string workDir = settings::WorkDirOf(::GetCommandLineA());
    if (!workDir.empty())
        ::SetCurrentDirectoryA(workDir.c_str());
    // The Options dialog has a track bar, a common control.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    return theApp.Run(hInstance);
}

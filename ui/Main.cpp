// Zeto's entry point.
#include "settings/StartupCommand.h"
#include "ui/DictApp.h"
#include "ui/OptionsDlg.h"
#include "ui/TapwireLeftovers.h"

#include <windows.h>
#include <commctrl.h>

CDictApp theApp;

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    // Started from the Run key, Zeto is told where its files are.
    const std::wstring workDir = settings::WorkDirOf(::GetCommandLineW());
    if (!workDir.empty())
        ::SetCurrentDirectoryW(workDir.c_str());
    // What an upgrade or uninstall set aside while it was still mapped.
    DeleteTapwireLeftovers();
    // The Options dialog holds common controls.
    INITCOMMONCONTROLSEX controls{sizeof controls, OPTIONS_COMMON_CONTROLS};
    ::InitCommonControlsEx(&controls);
    return theApp.Run(hInstance);
}

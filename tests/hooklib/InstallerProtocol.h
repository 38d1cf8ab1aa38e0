// What the hook installer program (installer.cpp) and the tests say to each
// other. Its reports carry its process id in lParam.
#pragma once
#include <windows.h>

const UINT INSTALLER_READY = WM_APP + 10;     // installer → test; wParam: SetTapwire's result
const UINT INSTALLER_RELEASE = WM_APP + 11;   // test → installer's thread
const UINT INSTALLER_UNLOADED = WM_APP + 12;  // installer → test

#include "tests/ui/ZetoProcess.h"

#include "tests/ui/UiTestSupport.h"

ZetoProcess::ZetoProcess(const std::string& workDir) : support::ZetoProcess(uitest::BuildPath("ui/Zeto.exe"), workDir)
{
}

void ClickAt(POINT screen)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3]{};
    for (INPUT& i : input) {
        i.type = INPUT_MOUSE;
        i.mi.dx = screen.x * 65535 / (cx - 1);
        i.mi.dy = screen.y * 65535 / (cy - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(3, input, sizeof(INPUT));
}

void PressKey(WORD vk, bool withAlt)
{
    INPUT input[4]{};
    int n = 0;
    auto key = [&](WORD code, bool up) {
        input[n].type = INPUT_KEYBOARD;
        input[n].ki.wVk = code;
        input[n].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++n;
    };
    if (withAlt)
        key(VK_MENU, false);
    key(vk, false);
    key(vk, true);
    if (withAlt)
        key(VK_MENU, true);
    ::SendInput(n, input, sizeof(INPUT));
}

#include "tests/ui/MainDlgFixture.h"

int PointHeight(int tenths)
{
    HDC screen = ::GetDC(nullptr);
    int height = -::MulDiv(tenths, ::GetDeviceCaps(screen, LOGPIXELSY), 720);
    ::ReleaseDC(nullptr, screen);
    return height;
}

bool TrayIconExists(HWND hwnd, UINT id)
{
    NOTIFYICONDATAA probe{};
    probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
    probe.hWnd = hwnd;
    probe.uID = id;
    return ::Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

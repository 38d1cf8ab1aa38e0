#include "tests/ui/MainDlgFixture.h"

#include <cstring>

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

ViewerWindow::ViewerWindow()
{
    static ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &ViewerWindow::Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "WordlumoTestViewer";
        return ::RegisterClassA(&wc);
    }();
    (void)atom;
    hwnd = ::CreateWindowExA(0, "WordlumoTestViewer", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             ::GetModuleHandleA(nullptr), this);
    next = ::SetClipboardViewer(hwnd);
}

ViewerWindow::~ViewerWindow()
{
    ::ChangeClipboardChain(hwnd, next);
    ::DestroyWindow(hwnd);
}

LRESULT CALLBACK ViewerWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, (LONG_PTR)((CREATESTRUCTA*)lParam)->lpCreateParams);
    auto* self = (ViewerWindow*)::GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    if (self && msg == WM_DRAWCLIPBOARD) {
        ++self->draws;
        if (self->next)
            ::SendMessageA(self->next, msg, wParam, lParam);
        return 0;
    }
    if (self && msg == WM_CHANGECBCHAIN) {
        self->removed = (HWND)wParam;
        if ((HWND)wParam == self->next)
            self->next = (HWND)lParam;
        else if (self->next)
            ::SendMessageA(self->next, msg, wParam, lParam);
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

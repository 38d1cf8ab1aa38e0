#include "ChainViewer.h"

ChainViewer::ChainViewer()
{
    m_thread = std::thread([this] { Run(); });
    while (!m_ready.load())
        ::Sleep(1);
}

ChainViewer::~ChainViewer()
{
    ::PostMessageA(m_hwnd, WM_CLOSE, 0, 0);
    m_thread.join();
}

void ChainViewer::Run()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = &ChainViewer::Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "WordlumoTestChainViewer";
    ::RegisterClassA(&wc);
    m_hwnd = ::CreateWindowA(wc.lpszClassName, "chain viewer", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                             wc.hInstance, nullptr);
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, (LONG_PTR)this);
    m_next = ::SetClipboardViewer(m_hwnd);
    m_ready = true;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0)
        ::DispatchMessageA(&msg);
}

LRESULT CALLBACK ChainViewer::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = (ChainViewer*)::GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    switch (msg) {
    case WM_DRAWCLIPBOARD:
        if (self) {
            ++self->m_draws;
            if (HWND next = self->m_next.load())
                ::SendMessageA(next, msg, wParam, lParam);
        }
        return 0;
    case WM_CHANGECBCHAIN:
        if (self) {
            ++self->m_changes;
            self->m_lastRemoved = (HWND)wParam;
            if ((HWND)wParam == self->m_next.load())
                self->m_next = (HWND)lParam;
            else if (HWND next = self->m_next.load())
                ::SendMessageA(next, msg, wParam, lParam);
        }
        return 0;
    case WM_CLOSE:
        if (self)
            ::ChangeClipboardChain(hwnd, self->m_next.load());
        ::DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

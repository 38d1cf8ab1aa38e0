#include "tests/support/ClipboardViewer.h"

#include "tests/support/WindowClass.h"

namespace support {

ClipboardViewer::ClipboardViewer()
{
    std::promise<void> joined;
    m_thread = std::thread([this, &joined] { Run(joined); });
    joined.get_future().wait();
}

ClipboardViewer::~ClipboardViewer()
{
    ::PostMessageA(m_hwnd, WM_CLOSE, 0, 0);
    m_thread.join();
}

void ClipboardViewer::Run(std::promise<void>& joined)
{
    RegisterWindowClass("WordlumoTestClipboardViewer", &ClipboardViewer::Proc);
    m_hwnd = ::CreateWindowA("WordlumoTestClipboardViewer", "chain viewer", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, (LONG_PTR)this);
    m_next = ::SetClipboardViewer(m_hwnd);
    joined.set_value();
    RunMessageLoop();
}

LRESULT CALLBACK ClipboardViewer::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = (ClipboardViewer*)::GetWindowLongPtrA(hwnd, GWLP_USERDATA);
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

} // namespace support

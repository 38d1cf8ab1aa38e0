#include "framework/TimerWindow.h"

#include <utility>

namespace {
constexpr wchar_t CLASS_NAME[] = L"WordlumoTimerWindow";
constexpr UINT_PTR TIMER_ID = 1;
}  // namespace

HWND CreateMessageWindow(const wchar_t* className, WNDPROC proc, void* owner)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    ::RegisterClassW(&wc);   // fails harmlessly once registered
    HWND hwnd = ::CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    if (hwnd)
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return hwnd;
}

CTimerWindow::CTimerWindow(std::function<void()> onTick) : m_onTick(std::move(onTick)) {}

CTimerWindow::~CTimerWindow()
{
    if (m_hwnd)
        ::DestroyWindow(m_hwnd);   // its timer goes with it
}

HWND CTimerWindow::Window()
{
    if (!m_hwnd)
        m_hwnd = CreateMessageWindow(CLASS_NAME, WndProc, this);
    return m_hwnd;
}

bool CTimerWindow::Start(UINT intervalMs)
{
    m_running = Window() && ::SetTimer(m_hwnd, TIMER_ID, intervalMs, nullptr) != 0;
    return m_running;
}

void CTimerWindow::Stop()
{
    if (m_hwnd)
        ::KillTimer(m_hwnd, TIMER_ID);
    m_running = false;
}

LRESULT CALLBACK CTimerWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TIMER && wParam == TIMER_ID) {
        if (auto* self = reinterpret_cast<CTimerWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
            if (self->m_running)
                self->m_onTick();
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
}

#include "capture/MouseWatch.h"

CMouseWatch* CMouseWatch::s_active = nullptr;

namespace {
GestureMetrics SystemMetrics()
{
    return {::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG), ::GetSystemMetrics(SM_CXDOUBLECLK),
            ::GetSystemMetrics(SM_CYDOUBLECLK), ::GetDoubleClickTime()};
}
}  // namespace

CMouseWatch::CMouseWatch() : m_gesture(SystemMetrics()) {}

CMouseWatch::~CMouseWatch() { Stop(); }

bool CMouseWatch::Start()
{
    if (m_hook)
        return true;
    m_gesture = SelectionGesture(SystemMetrics());   // the user may have changed them
    m_hook = m_install(WH_MOUSE_LL, HookProc, ::GetModuleHandleA(nullptr), 0);
    if (m_hook)
        s_active = this;
    return m_hook != nullptr;
}

void CMouseWatch::Stop()
{
    if (!m_hook)
        return;
    ::UnhookWindowsHookEx(m_hook);
    m_hook = nullptr;
    if (s_active == this)
        s_active = nullptr;
}

bool CMouseWatch::TakeSelection() { return !Watching() || m_gesture.TakeSelection(); }

void CMouseWatch::OnButton(WPARAM message, POINT pt, DWORD timeMs)
{
    if (message == WM_LBUTTONDOWN)
        m_gesture.Press(pt.x, pt.y, timeMs);
    else if (message == WM_LBUTTONUP)
        m_gesture.Release(pt.x, pt.y);
}

// Only notes the point and returns: every mouse event of the desktop waits
// for this procedure.
LRESULT CALLBACK CMouseWatch::HookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && s_active) {
        const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        s_active->OnButton(wParam, info->pt, info->time ? info->time : ::GetTickCount());
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

#include "capture/MouseWatch.h"

#include <initializer_list>

CMouseWatch* CMouseWatch::s_active = nullptr;

namespace {
// How long the window under a drag's press may take to say what lies there.
constexpr UINT HIT_TEST_WAIT_MS = 50;

bool IsSizingCursor(HCURSOR cursor)
{
    for (LPCSTR id : {IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL, IDC_SIZENWSE, IDC_SIZENESW})
        if (cursor == ::LoadCursorA(nullptr, id))
            return true;
    return false;
}

// Asked when the selection is taken, of the window at the press point as it
// is then: the cursor the window showed at the press could still be the
// previous window's. A scrollbar control, a non-client part (scrollbars,
// caption, borders, menu) and a window whose class cursor is a sizing arrow
// (a splitter) are not content; a window that does not answer in time is
// given the benefit of the doubt.
bool BeganOverContent(POINT press)
{
    HWND hwnd = ::WindowFromPoint(press);
    if (!hwnd)
        return true;
    wchar_t className[32] = L"";
    ::GetClassNameW(hwnd, className, 32);
    if (::lstrcmpiW(className, L"ScrollBar") == 0)
        return false;
    if (IsSizingCursor(reinterpret_cast<HCURSOR>(::GetClassLongPtrW(hwnd, GCLP_HCURSOR))))
        return false;
    DWORD_PTR hit = HTCLIENT;
    if (!::SendMessageTimeoutW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(press.x, press.y), SMTO_ABORTIFHUNG,
                               HIT_TEST_WAIT_MS, &hit))
        return true;
    return hit == HTCLIENT;
}

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
    m_everyRelease = false;
    if (!m_hook)
        return;
    ::UnhookWindowsHookEx(m_hook);
    m_hook = nullptr;
    if (s_active == this)
        s_active = nullptr;
}

bool CMouseWatch::TakeSelection()
{
    if (!Watching())
        return true;
    if (!m_gesture.TakeSelection())
        return false;
    return !m_gesture.LastWasDrag() || BeganOverContent({m_gesture.PressX(), m_gesture.PressY()});
}

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

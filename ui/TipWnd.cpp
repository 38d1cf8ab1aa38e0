#include "ui/TipWnd.h"

#include "framework/Dpi.h"
#include "text/Cp1251Utf16.h"
#include "ui/PhoneticFont.h"
#include "ui/TipPlacement.h"

namespace {

// The work area (the screen less the taskbar) of the monitor that holds the
// screen point, or is nearest to it.
TipRect WorkAreaAt(POINT screen)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromPoint(screen, MONITOR_DEFAULTTONEAREST), &monitor))
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const RECT& r = monitor.rcWork;
    return TipRect{(int)r.left, (int)r.top, (int)r.right, (int)r.bottom};
}

} // namespace

const MessageMap* CTipWnd::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnMessage<&CTipWnd::OnPaint>(WM_PAINT),
        OnMessage<&CTipWnd::OnTimer>(WM_TIMER),
        OnMessage<&CTipWnd::OnClose>(WM_CLOSE),
    };
    static const MessageMap kMap = MakeMessageMap(CWnd::GetMessageMap(), kEntries);
    return &kMap;
}

CTipWnd::~CTipWnd()
{
    // Destroyed here, while the object is still a CTipWnd and owns its font.
    DestroyWindow();
}

void CTipWnd::Create(CWnd* pParent, unsigned int nTimerId)
{
    m_nTimerId = nTimerId;
    m_nReload = nTimerId != 0 ? 2 : 0;
    m_pParent = pParent;
    m_nDpi = pParent ? DpiOfWindow(pParent->m_hWnd) : SystemDpi();
    MakeFont();
    m_brush.CreateSolidBrush(DEFAULT_COLOR);
    CreateEx(0, "STATIC", "", WS_POPUP, RECT{0, 0, 1, 1}, pParent ? pParent->m_hWnd : nullptr, 0);
}

void CTipWnd::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    {
        CPen pen;
        pen.CreatePen(PS_SOLID, ScaleForDpi(1, m_nDpi), RGB(0, 0, 0));
        ScopedSelect selectPen(hdc, pen);
        ScopedSelect selectBrush(hdc, m_brush);
        ScopedSelect selectFont(hdc, m_font);
        const std::wstring& shown = m_strText;
        if (m_phoneticFont && !HasLetters(hdc, shown))
            ::SelectObject(hdc, m_phoneticFont.Get());   // the ScopedSelect above puts the old font back

        // Two spaces measured with the text leave one space of margin each side.
        const std::wstring measured = shown + L"  ";
        SIZE extent{0, 0};
        ::GetTextExtentPoint32W(hdc, measured.c_str(), (int)measured.size(), &extent);
        // Too wide for one line: wrapped at words into the widest box, with
        // the same margin, and as high as its lines.
        SIZE space{0, 0};
        ::GetTextExtentPoint32W(hdc, L" ", 1, &space);
        const bool wrapped = m_nMaxWidth > 0 && extent.cx > m_nMaxWidth;
        if (wrapped) {
            RECT lines{space.cx, 0, m_nMaxWidth - space.cx, 0};
            ::DrawTextW(hdc, shown.c_str(), (int)shown.size(), &lines, DT_WORDBREAK | DT_CALCRECT);
            extent = SIZE{lines.right + space.cx, lines.bottom};
        }
        m_size = extent;

        RECT box{0, 0, m_size.cx, m_size.cy};
        const int corner = ScaleForDpi(CORNER, m_nDpi);
        if (m_nStyle & TIP_ROUNDED)
            ::RoundRect(hdc, box.left, box.top, box.right, box.bottom, corner, corner);
        else
            ::Rectangle(hdc, box.left, box.top, box.right, box.bottom);

        COLORREF oldColor = ::SetTextColor(hdc, RGB(0, 0, 0));
        int oldMode = ::SetBkMode(hdc, TRANSPARENT);
        if (wrapped) {
            RECT lines{space.cx, 0, m_size.cx - space.cx, m_size.cy};
            ::DrawTextW(hdc, shown.c_str(), (int)shown.size(), &lines, DT_WORDBREAK);
        } else {
            ::DrawTextW(hdc, shown.c_str(), (int)shown.size(), &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        }
        ::SetBkMode(hdc, oldMode);
        ::SetTextColor(hdc, oldColor);
    }   // font, brush and pen go back out of the DC before the pen is deleted
    ::EndPaint(m_hWnd, &ps);
}

void CTipWnd::ShowAt(const std::string& text, POINT pt) { ShowAt(cp1251::ToUtf16(text), pt); }

void CTipWnd::ShowAt(std::wstring text, POINT pt)
{
    if (!m_hWnd)
        return;   // Create failed: there is nothing to show
    if (m_nTimerId != 0 && pt.x == m_ptLast.x && pt.y == m_ptLast.y)
        return;
    m_ptLast = pt;
    if (m_nTimerId != 0) {
        if (m_nCountdown == 0)
            ::SetTimer(m_hWnd, m_nTimerId, 1000, nullptr);
        m_nCountdown = m_nReload;
    }
    if (m_pParent)
        ::ClientToScreen(m_pParent->m_hWnd, &pt);
    const UINT dpi = DpiAtPoint(pt);
    if (dpi != m_nDpi) {
        m_nDpi = dpi;
        MakeFont();
    }
    m_strText = std::move(text);
    ::DefWindowProcW(m_hWnd, WM_SETTEXT, 0, (LPARAM)m_strText.c_str());
    const TipRect work = WorkAreaAt(pt);
    m_nMaxWidth = MaxTipWidth(work);

    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    // Paints now, at the old size, and so measures the new text into m_size.
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_hWnd);

    const bool above = (m_nStyle & TIP_ABOVE) != 0;
    const int below = above ? 0 : SystemMetricForDpi(SM_CYCURSOR, dpi) - ScaleForDpi(CURSOR_OVERLAP, dpi);
    const TipRect box = PlaceTip(pt.x, pt.y, m_size.cx, m_size.cy, above, below, work);
    ::SetWindowPos(m_hWnd, HWND_TOP, box.left, box.top, box.Width(), box.Height(), SWP_NOACTIVATE);
}

BOOL CTipWnd::ShowAtCursor(const std::string& text, CWnd* pTestWnd)
{
    return ShowAtCursor(cp1251::ToUtf16(text), pTestWnd);
}

BOOL CTipWnd::ShowAtCursor(std::wstring text, CWnd* pTestWnd)
{
    POINT pt;
    if (!::GetCursorPos(&pt))
        return FALSE;
    if (pTestWnd && !IsPointInWindow(pTestWnd, pt, FALSE))
        return FALSE;
    if (m_pParent)
        ::ScreenToClient(m_pParent->m_hWnd, &pt);
    ShowAt(std::move(text), pt);
    return TRUE;
}

BOOL CTipWnd::IsPointInWindow(CWnd* pWnd, POINT pt, BOOL bClientCoords)
{
    RECT rect;
    ::GetWindowRect(pWnd->m_hWnd, &rect);
    if (bClientCoords && m_pParent)
        ::ClientToScreen(m_pParent->m_hWnd, &pt);
    return ::PtInRect(&rect, pt);
}

void CTipWnd::Hide()
{
    if (!m_hWnd)
        return;
    if (m_nTimerId != 0)
        ::KillTimer(m_hWnd, m_nTimerId);
    ::ShowWindow(m_hWnd, SW_HIDE);
    m_nCountdown = 0;
}

void CTipWnd::OnTimer(UINT_PTR)
{
    if (m_hWnd && m_nTimerId != 0) {
        if (--m_nCountdown == 0) {
            ::KillTimer(m_hWnd, m_nTimerId);
            ::ShowWindow(m_hWnd, SW_HIDE);
        }
    }
    Default();
}

void CTipWnd::SetTipFont(int nPointSize, const char* lpszFaceName)
{
    m_nPointSize = nPointSize;
    m_strFace = lpszFaceName;
    if (!MakeFont()) {
        m_nPointSize = DEFAULT_POINT_SIZE;
        m_strFace = DEFAULT_FACE;
        MakeFont();
    }
}

bool CTipWnd::MakeFont()
{
    m_font.DeleteObject();
    const bool made = m_font.CreatePointFont(m_nPointSize, m_strFace.c_str(), m_nDpi);
    m_phoneticFont.Reset(made && !HasPhoneticLetters(m_font.Get()) ? PhoneticFontLike(m_font.Get()) : nullptr);
    return made;
}

void CTipWnd::SetTipColor(COLORREF color)
{
    m_brush.DeleteObject();
    if (!m_brush.CreateSolidBrush(color))
        m_brush.CreateSolidBrush(DEFAULT_COLOR);
}

void CTipWnd::OnClose()
{
    if (m_nTimerId != 0 && m_nCountdown != 0)
        ::KillTimer(m_hWnd, m_nTimerId);
    m_font.DeleteObject();
    m_phoneticFont.DeleteObject();
    m_brush.DeleteObject();
    Default();
}

// CTipWnd: the tooltip. A borderless popup of the system class "STATIC" that
// shows one line of text in an outlined, coloured box at a point or at the
// mouse cursor, without ever taking activation from the user's window.
// With a timer id it hides itself about 2 s after the point stops changing;
// without one its owner hides it.
//
// For screen readers and UI automation the window text mirrors the text
// shown; it is stored past the STATIC's own procedure, which would paint it.
#pragma once
#include "framework/Gdi.h"
#include "framework/Wnd.h"

#include <string>

class CTipWnd : public CWnd {
public:
    enum : int {
        TIP_ABOVE = 0x1,     // the box stands above the point, its bottom edge on it
        TIP_ROUNDED = 0x2,   // rounded corners
    };

    CTipWnd() = default;
    ~CTipWnd() override;

    // Makes the hidden popup, owned by pParent. nTimerId 0: no own timer.
    void Create(CWnd* pParent, unsigned int nTimerId);
    // Shows text with the box placed at pt, in client coordinates of the
    // parent. A tooltip with its own timer ignores its last point.
    void ShowAt(std::string text, POINT pt);
    // Shows text at the mouse cursor; with pTestWnd only while the cursor is
    // inside that window's rectangle. FALSE when nothing was shown.
    BOOL ShowAtCursor(std::string text, CWnd* pTestWnd = nullptr);
    // Whether pt (client coordinates of the parent when bClientCoords, else
    // screen) lies in pWnd's window rectangle, frame included.
    BOOL IsPointInWindow(CWnd* pWnd, POINT pt, BOOL bClientCoords);
    void Hide();
    // nPointSize in tenths of a point; Arial 9 pt when the font can't be made.
    void SetTipFont(int nPointSize, const char* lpszFaceName);
    void SetTipColor(COLORREF color);

    unsigned int m_nTimerId = 0;
    CWnd* m_pParent = nullptr;
    std::string m_strText;
    POINT m_ptLast{0, 0};
    SIZE m_size{0, 0};
    int m_nCountdown = 0;
    int m_nReload = 0;
    CFont m_font;
    CBrush m_brush;
    int m_nStyle = 0;    // TIP_ABOVE, TIP_ROUNDED; the owner writes it directly

    static constexpr COLORREF DEFAULT_COLOR = RGB(255, 255, 200);
    static constexpr int DEFAULT_POINT_SIZE = 90;
    static constexpr const char* DEFAULT_FACE = "Arial";

protected:
    const MessageMap* GetMessageMap() const override;

private:
    void OnPaint();
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
};

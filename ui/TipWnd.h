// CTipWnd: the tooltip. A borderless popup of the system class "STATIC" that
// shows one line of text in an outlined, coloured box at a point or at the
// mouse cursor, without ever taking activation from the user's window.
// The box stays inside the work area of its monitor and off the point
// (TipPlacement.h); a text too wide for one line there wraps at words.
// With a timer id it hides itself about 2 s after the point stops changing;
// without one its owner hides it.
//
// For screen readers and UI automation the window text mirrors the text
// shown; it is stored past the STATIC's own procedure, which would paint it.
//
// The box is drawn at the DPI of the monitor it is shown on: its font, the
// outline, the corners and the offset below the cursor are scaled from their
// 96-DPI figures each time it is shown.
#pragma once
#include "framework/Gdi.h"
#include "framework/Wnd.h"
#include "settings/Settings.h"

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
    void ShowAt(std::wstring text, POINT pt);
    void ShowAt(const std::string& text, POINT pt);   // Windows-1251
    // Shows text at the mouse cursor; with pTestWnd only while the cursor is
    // inside that window's rectangle. FALSE when nothing was shown.
    BOOL ShowAtCursor(std::wstring text, CWnd* pTestWnd = nullptr);
    BOOL ShowAtCursor(const std::string& text, CWnd* pTestWnd = nullptr);   // Windows-1251
    // Whether pt (client coordinates of the parent when bClientCoords, else
    // screen) lies in pWnd's window rectangle, frame included.
    BOOL IsPointInWindow(CWnd* pWnd, POINT pt, BOOL bClientCoords);
    void Hide();
    // nPointSize in tenths of a point; the default font when that can't be made.
    void SetTipFont(int nPointSize, const char* lpszFaceName);
    void SetTipColor(COLORREF color);

    unsigned int m_nTimerId = 0;
    CWnd* m_pParent = nullptr;
    std::wstring m_strText;   // UTF-16: a pronunciation's letters are not in Windows-1251
    POINT m_ptLast{0, 0};
    SIZE m_size{0, 0};
    int m_nCountdown = 0;
    int m_nReload = 0;
    CFont m_font;
    CFont m_phoneticFont;   // like m_font, for a text with letters m_font lacks
    CBrush m_brush;
    int m_nStyle = 0;    // TIP_ABOVE, TIP_ROUNDED; the owner writes it directly
    int m_nMaxWidth = 0; // a box wider on one line wraps; set from the work area by ShowAt

    static constexpr int CURSOR_OVERLAP = 12;   // the box starts this far above the cursor's bottom
    static constexpr int CORNER = 6;            // the rounded corners' ellipse
    static constexpr COLORREF DEFAULT_COLOR = RGB(255, 255, 200);
    static constexpr int DEFAULT_POINT_SIZE = settings::TIP_POINT_SIZE;
    static constexpr const char* DEFAULT_FACE = settings::TIP_FONT_FACE;

protected:
    const MessageMap* GetMessageMap() const override;

private:
    void OnPaint();
    // Makes the font of m_nPointSize and m_strFace at m_nDpi.
    bool MakeFont();

    int m_nPointSize = DEFAULT_POINT_SIZE;
    std::string m_strFace = DEFAULT_FACE;
    UINT m_nDpi = 0;   // drawn at: the DPI of the monitor it was last shown on
    void OnTimer(UINT_PTR nIDEvent);
    void OnClose();
};

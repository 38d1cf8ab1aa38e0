#include "capture/CaptureModeDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

CCaptureModeDlg::CCaptureModeDlg(CWnd* pParent) : CDialog(IDD_CAPTURE_MODE, pParent) {}

const MessageMap* CCaptureModeDlg::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnMessage<&CCaptureModeDlg::OnMouseMove>(WM_MOUSEMOVE),
        OnMessage<&CCaptureModeDlg::OnSetCursor>(WM_SETCURSOR),
    };
    static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
}

BOOL CCaptureModeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_tipHelp.Create(this, 1);
    return TRUE;
}

void CCaptureModeDlg::DoDataExchange(CDataExchange* pDX) { DDX_Radio(pDX, IDC_MODE_SELECT, m_nMode); }

LRESULT CCaptureModeDlg::OnMouseMove(WPARAM, LPARAM)
{
    UpdateHelpTip();
    return Default();
}

// Moves over a radio button go to the button, not to the dialog; the
// button's default processing hands WM_SETCURSOR up to us, so the tip
// follows the mouse over the buttons too.
LRESULT CCaptureModeDlg::OnSetCursor(WPARAM, LPARAM lParam)
{
    if (HIWORD(lParam) == WM_MOUSEMOVE)
        UpdateHelpTip();
    return Default();
}

// "Keyboard" for both keyboard-like gestures; the last button has no tip.
void CCaptureModeDlg::UpdateHelpTip()
{
    if (IsCursorOver(IDC_MODE_SELECT))
        m_tipHelp.ShowAtCursor("Select");
    else if (IsCursorOver(IDC_MODE_CTRL_C))
        m_tipHelp.ShowAtCursor("Keyboard");
    else if (IsCursorOver(IDC_MODE_RB_COPY))
        m_tipHelp.ShowAtCursor("Keyboard");
    else
        m_tipHelp.Hide();
}

bool CCaptureModeDlg::IsCursorOver(int nIDC) const
{
    POINT pt;
    RECT rect;
    return ::GetCursorPos(&pt) && ::GetWindowRect(GetDlgItem(nIDC), &rect) && ::PtInRect(&rect, pt);
}

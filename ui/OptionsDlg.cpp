#include "ui/OptionsDlg.h"

#include "framework/App.h"
#include "framework/DataExchange.h"
#include "res/resource.h"
#include "text/Cp1251Utf16.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>

SetLayeredWindowAttributesFn g_pfnSetLayeredWindowAttributes = nullptr;

COptionsDlg::COptionsDlg() : CDialog(IDD_OPTIONS) {}

// The bound controls belong to the dialog window; the objects only name
// them, and let go before the window is gone.
COptionsDlg::~COptionsDlg()
{
    m_staticValue.Detach();
    m_sliderAlpha.Detach();
}

const MessageMap* COptionsDlg::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnCommand<&COptionsDlg::OnFont>(IDC_FONT),
        OnNotify<&COptionsDlg::OnReleasedCaptureSlider>((UINT)NM_RELEASEDCAPTURE, IDC_ALPHA_SLIDER),
        OnCommand<&COptionsDlg::OnThis>(IDC_TRANSPARENT_THIS),
        OnCommand<&COptionsDlg::OnOther>(IDC_TRANSPARENT_OTHER),
        OnCommand<&COptionsDlg::OnCheckChanged>(IDC_EDIT_CHECK),
        OnCommand<&COptionsDlg::OnCheckChanged>(IDC_MINIMIZE_TO_TRAY),
    };
    static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
}

void COptionsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_ALPHA_VALUE, m_staticValue);
    DDX_Control(pDX, IDC_ALPHA_SLIDER, m_sliderAlpha);
    DDX_Text(pDX, IDC_TIMEOUT, m_nTimeoutSec);
    DDV_MinMaxInt(pDX, m_nTimeoutSec, TIMEOUT_MIN_SEC, TIMEOUT_MAX_SEC);
    DDX_Radio(pDX, IDC_TRANSPARENT_THIS, m_nTarget);
    DDX_Check(pDX, IDC_EDIT_CHECK, m_bEdit);
    DDX_Check(pDX, IDC_MINIMIZE_TO_TRAY, m_bMinimizeToTray);
    DDX_Check(pDX, IDC_ALWAYS_ON_TOP, m_bAlwaysOnTop);
    DDX_Check(pDX, IDC_KEYBOARD_INPUT, m_bKeyboardInput);
}

// The track bar starts at 127 at every opening; a window's present
// transparency is not read back.
BOOL COptionsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    HMODULE user32 = ::GetModuleHandleA("USER32.DLL");
    g_pfnSetLayeredWindowAttributes =
        user32 ? (SetLayeredWindowAttributesFn)(void*)::GetProcAddress(user32, "SetLayeredWindowAttributes")
               : nullptr;
    if (!g_pfnSetLayeredWindowAttributes)
        FrameworkMessageBox(m_hWnd, "Layering is not supported in this version of Windows");
    m_sliderAlpha.SendMessage(TBM_SETRANGEMIN, FALSE, 0);
    m_sliderAlpha.SendMessage(TBM_SETRANGEMAX, FALSE, 255);
    m_sliderAlpha.SendMessage(TBM_SETPOS, TRUE, 127);
    return TRUE;
}

// The track bar let go of the mouse. Keyboard moves change only its
// position; they take effect at the next mouse release.
void COptionsDlg::OnReleasedCaptureSlider(NMHDR*, LRESULT* pResult)
{
    int position = (int)m_sliderAlpha.SendMessage(TBM_GETPOS);
    char text[16];
    std::snprintf(text, sizeof text, "%d", position);
    m_staticValue.SetWindowText(text);
    if (m_nTarget == 0)
        ApplyTransparency(m_hwndThis);
    else if (m_nTarget == 1)
        ApplyTransparency(m_hwndOther);
    *pResult = 0;
}

// The layered bit is toggled, not set: every second release for the same
// window makes it an ordinary, opaque window again.
BOOL COptionsDlg::ApplyTransparency(HWND hwnd)
{
    if (!hwnd)
        return FALSE;
    if (!g_pfnSetLayeredWindowAttributes) {
        FrameworkMessageBox(m_hWnd, "Layering is not supported in this version of WINDOWS");
        return FALSE;
    }
    LONG exStyle = ::GetWindowLongW(hwnd, GWL_EXSTYLE);
    ::SetWindowLongW(hwnd, GWL_EXSTYLE, exStyle ^ WS_EX_LAYERED);
    BYTE alpha = (BYTE)m_sliderAlpha.SendMessage(TBM_GETPOS);
    g_pfnSetLayeredWindowAttributes(hwnd, 0, alpha, LWA_ALPHA);
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    return TRUE;
}

// The radios change m_nTarget at once, without a data exchange, so the next
// release of the track bar goes to the newly chosen window.
void COptionsDlg::OnThis() { m_nTarget = 0; }

void COptionsDlg::OnOther() { m_nTarget = 1; }

void COptionsDlg::OnCheckChanged() { UpdateData(true); }

// Only the face and the size are kept of what the font dialog offers.
void COptionsDlg::OnFont()
{
    LOGFONTW font{};
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = m_hWnd;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS;
    if (!::ChooseFontW(&choose))
        return;
    m_nFontSize = choose.iPointSize;
    m_strFontFace = cp1251::FromUtf16(font.lfFaceName);   // kept in Zeto.ini as Windows-1251, as ever
    m_bFontChanged = 1;
}

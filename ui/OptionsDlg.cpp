#include "ui/OptionsDlg.h"

#include "framework/App.h"
#include "framework/DataExchange.h"
#include "capture/KeepOut.h"
#include "res/resource.h"
#include "text/Cp1251Utf16.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>

SetLayeredWindowAttributesFn g_pfnSetLayeredWindowAttributes = nullptr;

namespace {

constexpr int PROBE_HOTKEY_ID = 0xBFFF;   // the last id an application may use

// The hotkey control speaks HOTKEYF_ bits, RegisterHotKey and Zeto.ini MOD_ bits.
struct FlagPair {
    unsigned control, modifier;
};
constexpr FlagPair HOTKEY_FLAGS[] = {{HOTKEYF_ALT, settings::HOTKEY_ALT},
                                     {HOTKEYF_CONTROL, settings::HOTKEY_CTRL},
                                     {HOTKEYF_SHIFT, settings::HOTKEY_SHIFT}};

void DDX_Hotkey(CDataExchange* pDX, int nIDC, settings::Hotkey& value)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    if (pDX->Failed() || !control)
        return;
    if (!pDX->SaveAndValidate()) {
        // A key pressed alone gets Ctrl+Alt: typing must never pause.
        ::SendMessageW(control, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
        unsigned flags = 0;
        for (const FlagPair& f : HOTKEY_FLAGS)
            flags |= (value.modifiers & f.modifier) ? f.control : 0;
        ::SendMessageW(control, HKM_SETHOTKEY, MAKEWORD(value.key, flags), 0);
        return;
    }
    const WORD hotkey = LOWORD(::SendMessageW(control, HKM_GETHOTKEY, 0, 0));
    settings::Hotkey read{0, LOBYTE(hotkey)};
    for (const FlagPair& f : HOTKEY_FLAGS)
        read.modifiers |= (HIBYTE(hotkey) & f.control) ? f.modifier : 0;
    value = read.key ? read : settings::Hotkey{};
}

// A hotkey another program holds is refused while the dialog is open, so
// that the user can choose another at once.
void DDV_HotkeyFree(CDataExchange* pDX, settings::Hotkey value, settings::Hotkey held)
{
    if (!pDX->SaveAndValidate() || pDX->Failed() || value.key == 0 || value == held)
        return;
    HWND dialog = pDX->Dialog().m_hWnd;
    if (::RegisterHotKey(dialog, PROBE_HOTKEY_ID, value.modifiers, value.key)) {
        ::UnregisterHotKey(dialog, PROBE_HOTKEY_ID);
        return;
    }
    pDX->Fail(settings::HotkeyText(value) + " is used by another program. Please choose another.");
}

} // namespace

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
    DDV_MinMaxInt(pDX, m_nTimeoutSec, settings::TIMEOUT_MIN_SEC, settings::TIMEOUT_MAX_SEC);
    DDX_Radio(pDX, IDC_TRANSPARENT_THIS, m_nTarget);
    DDX_Check(pDX, IDC_EDIT_CHECK, m_bEdit);
    DDX_Check(pDX, IDC_MINIMIZE_TO_TRAY, m_bMinimizeToTray);
    DDX_Check(pDX, IDC_ALWAYS_ON_TOP, m_bAlwaysOnTop);
    DDX_Check(pDX, IDC_KEYBOARD_INPUT, m_bKeyboardInput);
    DDX_Hotkey(pDX, IDC_PAUSE_HOTKEY, m_pauseHotkey);
    DDV_HotkeyFree(pDX, m_pauseHotkey, m_heldHotkey);
    DDX_Hotkey(pDX, IDC_SPEAK_HOTKEY, m_speakHotkey);
    DDV_HotkeyFree(pDX, m_speakHotkey, m_heldSpeakHotkey);
    if (pDX->SaveAndValidate() && !pDX->Failed() && m_speakHotkey.key != 0 && m_speakHotkey == m_pauseHotkey)
        pDX->Fail(settings::HotkeyText(m_speakHotkey) + " already pauses. Please choose another.");
    DDX_Text(pDX, IDC_IGNORED_PROGRAMS, m_strIgnoredPrograms);
    DDV_MaxChars(pDX, m_strIgnoredPrograms, IGNORED_PROGRAMS_MAX_CHARS);
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

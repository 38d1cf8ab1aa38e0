// COptionsDlg: the Options dialog (template 134). The timeout, the font of
// the translation tooltip and three settings of the main window are read
// back by CMainDlg::OnOptions on OK; the transparency of the main dialog or
// of the target window is applied at once, whenever the track bar is let go.
#pragma once
#include "framework/Dialog.h"
#include "settings/HotkeyText.h"
#include "ui/TipWnd.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

// SetLayeredWindowAttributes, looked up in USER32.DLL at each opening of the
// dialog; null where the system has none.
using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
extern SetLayeredWindowAttributesFn g_pfnSetLayeredWindowAttributes;

// The common controls the dialog holds, registered before it opens.
constexpr DWORD OPTIONS_COMMON_CONTROLS = ICC_BAR_CLASSES | ICC_HOTKEY_CLASS;

class COptionsDlg : public CDialog {
public:
    COptionsDlg();
    ~COptionsDlg() override;

    CWnd m_staticValue;     // 1034: the track bar's value
    CWnd m_sliderAlpha;     // 1033: alpha, 0 to 255
    int m_nTimeoutSec = 0;  // 1007, seconds, settings::TIMEOUT_MIN_SEC to TIMEOUT_MAX_SEC
    int m_nTarget = 0;      // 0 "This" (m_hwndThis), 1 "Other" (m_hwndOther)
    int m_bEdit = 0;
    int m_bMinimizeToTray = 0;
    int m_bAlwaysOnTop = 0;
    int m_bKeyboardInput = 0;
    int m_bFontChanged = 0;  // the font dialog was confirmed
    std::string m_strFontFace = CTipWnd::DEFAULT_FACE;
    int m_nFontSize = CTipWnd::DEFAULT_POINT_SIZE;   // tenths of a point
    HWND m_hwndThis = nullptr;
    HWND m_hwndOther = nullptr;
    // Beside the original controls: the pause and speak hotkeys (refused when
    // another program holds one, or both are the same) and the programs Zeto
    // keeps out of, one per line.
    settings::Hotkey m_pauseHotkey;
    settings::Hotkey m_heldHotkey;   // the one Zeto holds now: never refused
    settings::Hotkey m_speakHotkey;
    settings::Hotkey m_heldSpeakHotkey;
    std::string m_strIgnoredPrograms;

    // Toggles WS_EX_LAYERED on hwnd and gives it the track bar's alpha.
    // FALSE (and nothing changed) for a null window or without layering.
    BOOL ApplyTransparency(HWND hwnd);

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void OnFont();
    void OnReleasedCaptureSlider(NMHDR* pNMHDR, LRESULT* pResult);
    void OnThis();
    void OnOther();
    void OnCheckChanged();
};

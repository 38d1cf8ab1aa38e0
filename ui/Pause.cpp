// Pause: every capture off and on again, from Tools > Pause or the pause
// hotkey (Ctrl+Alt+Z unless changed in Options). While paused nothing is
// read from or put on the clipboard, no key is pressed and no tooltip shows
// (CaptureGate); the menu's check mark says so, and so does the tray icon,
// grey, with "Wordlumo — paused" for its tip. Zeto.ini keeps it.
#include "ui/MainDlg.h"

#include "framework/Menu.h"
#include "res/resource.h"
#include "text/Cp1251Literal.h"

#include <vector>

namespace {

constexpr auto NOTE_HOTKEY_TAKEN_AFTER =
    cp1251::Literal(u8" е заета от друга програма: изберете друга клавишна комбинация за пауза в Options.");

// The icon in shades of grey, lighter than its colours were; null when the
// icon has no colour bitmap to grey.
HICON GreyedCopy(HICON icon)
{
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return nullptr;
    HICON grey = nullptr;
    BITMAP bitmap{};
    if (info.hbmColor && ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)) {
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        format.bmiHeader.biWidth = bitmap.bmWidth;
        format.bmiHeader.biHeight = -bitmap.bmHeight;   // top-down rows
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        std::vector<DWORD> pixels((std::size_t)bitmap.bmWidth * bitmap.bmHeight);
        HDC screen = ::GetDC(nullptr);
        if (::GetDIBits(screen, info.hbmColor, 0, bitmap.bmHeight, pixels.data(), &format, DIB_RGB_COLORS)) {
            for (DWORD& pixel : pixels) {
                const DWORD luma = (GetRValue(pixel) * 30 + GetGValue(pixel) * 59 + GetBValue(pixel) * 11) / 100;
                const DWORD light = 96 + luma * 5 / 8;
                pixel = (pixel & 0xFF000000) | light << 16 | light << 8 | light;
            }
            ::SetDIBits(screen, info.hbmColor, 0, bitmap.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
            grey = ::CreateIconIndirect(&info);
        }
        ::ReleaseDC(nullptr, screen);
    }
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return grey;
}

// The tray's tip is ANSI text: the dash only where the code page has it.
std::string PausedTip()
{
    const wchar_t tip[] = L"Wordlumo \u2014 paused";
    char text[64] = "";
    BOOL lossy = FALSE;
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, tip, -1, text, sizeof text, nullptr, &lossy);
    return lossy || !text[0] ? "Wordlumo - paused" : text;
}

} // namespace

void CMainDlg::OnPause()
{
    SetPaused(!m_gate.paused);
    SaveSettings();
}

LRESULT CMainDlg::OnHotKey(WPARAM id, LPARAM)
{
    if (id == Hotkeys::PAUSE)
        OnPause();
    else if (id == Hotkeys::SPEAK)
        OnSpeak();
    return 0;
}

// A copy gesture already waiting for its clipboard change is dropped with
// the rest.
void CMainDlg::SetPaused(bool paused)
{
    m_gate.paused = paused;
    CheckMenuItemById(::GetMenu(m_hWnd), ID_PAUSE, paused);
    if (paused) {
        m_bCapturePending = 0;
        m_tip.Hide();
    }
    if (m_tray.InTray()) {
        FillTrayIcon();
        m_tray.Refresh();
    }
}

void CMainDlg::RegisterPauseHotkey()
{
    m_hotkeys.Hold(m_hWnd, Hotkeys::PAUSE, m_settings.pauseHotkey, ID_PAUSE, "Pause", NOTE_HOTKEY_TAKEN_AFTER.c_str());
}

void CMainDlg::FillTrayIcon()
{
    if (m_gate.paused && !m_hPausedIcon)
        m_hPausedIcon = GreyedCopy(m_hIcon);
    m_nid.hIcon = m_gate.paused && m_hPausedIcon ? m_hPausedIcon : m_hIcon;
    lstrcpynA(m_nid.szTip, m_gate.paused ? PausedTip().c_str() : "Wordlumo", sizeof m_nid.szTip);
}

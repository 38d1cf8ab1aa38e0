#include "ui/TrayIcon.h"

#include <string>
#include <vector>

namespace {

constexpr UINT RETRY_MS = 1000;

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

CTrayIcon::CTrayIcon(NOTIFYICONDATAA& nid) : m_nid(nid) {}

CTrayIcon::~CTrayIcon()
{
    Leave();
    if (m_hPausedIcon)
        ::DestroyIcon(m_hPausedIcon);
}

void CTrayIcon::Fill(HICON icon)
{
    m_hIcon = icon;
    if (m_paused && !m_hPausedIcon)
        m_hPausedIcon = GreyedCopy(icon);
    m_nid.hIcon = m_paused && m_hPausedIcon ? m_hPausedIcon : icon;
    lstrcpynA(m_nid.szTip, m_paused ? PausedTip().c_str() : "Wordlumo", sizeof m_nid.szTip);
}

void CTrayIcon::ShowPaused(bool paused)
{
    m_paused = paused;
    if (m_inTray) {
        Fill(m_hIcon);
        Refresh();
    }
}

void CTrayIcon::Enter()
{
    m_inTray = true;
    Offer();
}

void CTrayIcon::Leave()
{
    m_inTray = false;
    m_retry.Stop();
    if (m_shown)
        ::Shell_NotifyIconA(NIM_DELETE, &m_nid);
    m_shown = false;
}

void CTrayIcon::Refresh()
{
    if (m_shown)
        ::Shell_NotifyIconA(NIM_MODIFY, &m_nid);
}

void CTrayIcon::OnTaskbarCreated()
{
    if (!m_inTray)
        return;   // a window on the screen needs no icon
    m_shown = false;
    Offer();
}

void CTrayIcon::Offer()
{
    if (!m_inTray) {
        m_retry.Stop();
        return;
    }
    m_shown = ::Shell_NotifyIconA(NIM_ADD, &m_nid) || ::Shell_NotifyIconA(NIM_MODIFY, &m_nid);
    if (m_shown)
        m_retry.Stop();
    else if (!m_retry.Running())
        m_retry.Start(RETRY_MS);
}

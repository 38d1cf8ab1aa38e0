#include "framework/Dpi.h"

#include <cmath>

namespace {

template <typename Fn>
Fn Lookup(const char* dll, const char* name)
{
    HMODULE module = ::GetModuleHandleA(dll);
    if (!module)
        module = ::LoadLibraryA(dll);   // shcore is not loaded by every program
    return module ? (Fn)(void*)::GetProcAddress(module, name) : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int MDT_EFFECTIVE = 0;

} // namespace

UINT SystemDpi()
{
    HDC screen = ::GetDC(nullptr);
    int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? (UINT)dpi : BASE_DPI;
}

UINT DpiOfWindow(HWND hwnd)
{
    static const auto getDpiForWindow = Lookup<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    UINT dpi = getDpiForWindow && hwnd ? getDpiForWindow(hwnd) : 0;
    return dpi ? dpi : SystemDpi();
}

UINT DpiAtPoint(POINT screen)
{
    static const auto getDpiForMonitor = Lookup<GetDpiForMonitorFn>("shcore.dll", "GetDpiForMonitor");
    UINT dpiX = 0, dpiY = 0;
    if (getDpiForMonitor &&
        getDpiForMonitor(::MonitorFromPoint(screen, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE, &dpiX, &dpiY) == S_OK &&
        dpiY != 0)
        return dpiY;
    return SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi)
{
    static const auto forDpi = Lookup<GetSystemMetricsForDpiFn>("user32.dll", "GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, dpi);
    // Windows before 10 gives the metrics of the system DPI only.
    return ::MulDiv(::GetSystemMetrics(index), (int)dpi, (int)SystemDpi());
}

namespace {

// A font's dialog base units as Windows measures them: the average width of
// the Latin letters, rounded, and the character height.
SIZE BaseUnitsOf(const LOGFONTW& font)
{
    HFONT made = ::CreateFontIndirectW(&font);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, made);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    static const wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{0, 0};
    ::GetTextExtentPoint32W(dc, kLetters, 52, &extent);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(made);
    return SIZE{(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

// Pixels at 96 DPI per pixel of the dialog as its template made it: the
// ratio of the font's base units at 96 DPI to those it was laid out with.
// Without a font of its own (the system font) the DPI ratio stands.
void FactorsTo96(HWND dialog, double& fx, double& fy)
{
    const UINT dpi = DpiOfWindow(dialog);
    fx = fy = (double)BASE_DPI / dpi;
    HFONT font = (HFONT)::SendMessageW(dialog, WM_GETFONT, 0, 0);
    LOGFONTW at96{};
    if (dpi == BASE_DPI || !font || !::GetObjectW(font, sizeof at96, &at96))
        return;
    // The template's font is a whole number of points, made for this DPI.
    const int points = ::MulDiv(at96.lfHeight < 0 ? -at96.lfHeight : at96.lfHeight, 72, (int)dpi);
    at96.lfHeight = -::MulDiv(points, (int)BASE_DPI, 72);
    const SIZE base96 = BaseUnitsOf(at96);
    RECT now{0, 0, 4, 8};   // the base units the dialog was laid out with
    ::MapDialogRect(dialog, &now);
    if (base96.cx <= 0 || base96.cy <= 0 || now.right <= 0 || now.bottom <= 0)
        return;
    fx = (double)base96.cx / now.right;
    fy = (double)base96.cy / now.bottom;
}

LONG Scaled(double v, UINT dpi) { return (LONG)std::lround(v * dpi / BASE_DPI); }

} // namespace

DialogLayout LayoutAt96(HWND dialog)
{
    double fx, fy;
    FactorsTo96(dialog, fx, fy);
    DialogLayout layout;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT box;
        ::GetWindowRect(child, &box);
        ::MapWindowPoints(nullptr, dialog, (POINT*)&box, 2);
        layout.controls.push_back({child, box.left * fx, box.top * fy, box.right * fx, box.bottom * fy});
    }
    RECT client;
    ::GetClientRect(dialog, &client);
    layout.width = client.right * fx;
    layout.height = client.bottom * fy;
    return layout;
}

void FitDialogToDpi(HWND dialog, const DialogLayout& at96, UINT dpi)
{
    for (const DialogLayout::Box& box : at96.controls) {
        if (!::IsChild(dialog, box.control))
            continue;   // destroyed since
        const LONG left = Scaled(box.left, dpi), top = Scaled(box.top, dpi);
        ::SetWindowPos(box.control, nullptr, left, top, Scaled(box.right, dpi) - left, Scaled(box.bottom, dpi) - top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client, window;
    ::GetClientRect(dialog, &client);
    ::GetWindowRect(dialog, &window);
    ::SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left + Scaled(at96.width, dpi) - client.right,
                   window.bottom - window.top + Scaled(at96.height, dpi) - client.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

const RECT* SuggestedRect(LPARAM lParam)
{
    const RECT* rect = (const RECT*)lParam;
    MEMORY_BASIC_INFORMATION info{};
    if (!rect || ::VirtualQuery(rect, &info, sizeof info) != sizeof info || info.State != MEM_COMMIT ||
        (info.Protect & (PAGE_NOACCESS | PAGE_GUARD)) || (const char*)(rect + 1) > (const char*)info.BaseAddress + info.RegionSize)
        return nullptr;
    if (rect->right <= rect->left || rect->bottom <= rect->top || !::MonitorFromRect(rect, MONITOR_DEFAULTTONULL))
        return nullptr;
    return rect;
}

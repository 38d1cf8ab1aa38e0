// Pixels at the DPI of a monitor. Every pixel figure of Zeto is written for
// 96 DPI (one pixel per pixel at 100% scaling) and scaled with the DPI of the
// monitor its window stands on, so Zeto is sharp and of the same physical
// size at 150% or 200% and follows a move to another monitor.
//
// The per-monitor functions came with Windows 8.1 and 10; they are looked up
// at run time, and where they are missing the system DPI stands for every
// monitor.
#pragma once
#include <windows.h>

#include <vector>

constexpr UINT BASE_DPI = 96;

// px, a figure for 96 DPI, at dpi.
inline int ScaleForDpi(int px, UINT dpi) { return ::MulDiv(px, (int)dpi, (int)BASE_DPI); }

// The DPI Windows draws with when it can't tell a monitor's own.
UINT SystemDpi();
// The DPI of the monitor that holds the window (most of it).
UINT DpiOfWindow(HWND hwnd);
// The DPI of the monitor that holds the screen point (or is nearest to it).
UINT DpiAtPoint(POINT screen);
// A system metric (SM_CYCURSOR, SM_CXICON, ...) as it is at dpi.
int SystemMetricForDpi(int index, UINT dpi);

// A dialog's layout at 96 DPI: its client size and where each of its controls
// stands, in pixels, unrounded. Taken once, when the template has just made
// the dialog at the DPI of its monitor; every fit starts from it, so fits
// never pile up their rounding.
struct DialogLayout {
    struct Box {
        HWND control;
        double left, top, right, bottom;
    };
    std::vector<Box> controls;
    double width = 0, height = 0;
};

// Windows sizes a dialog by the measures of its font at the DPI, and those
// round: Arial 10 pt is 15 px high at 96 DPI but 22, not 22.5, at 144, so
// the dialog comes out 2% shorter than 1.5 times its 96-DPI size. This reads
// the 96-DPI layout back from what the template made, undoing the rounding
// of the font's measures at the dialog's DPI.
DialogLayout LayoutAt96(HWND dialog);

// Sizes the dialog's client area and places its controls at dpi/96 times
// the 96-DPI layout; the window's frame stays what the system made it. A
// dialog made at 96 DPI and fitted to 96 does not move.
void FitDialogToDpi(HWND dialog, const DialogLayout& at96, UINT dpi);

// The window rectangle a WM_DPICHANGED suggests, or null when its lParam is
// no such thing: any program can send the message with a bogus pointer, so
// it must point into our readable memory at a rectangle that lies on a
// monitor.
const RECT* SuggestedRect(LPARAM lParam);

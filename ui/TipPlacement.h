// Where a tooltip's box stands: inside the work area of the monitor it is
// shown on (the screen less the taskbar), beside the point it is shown at
// and off it. Rectangles in, rectangle out, with no window in sight, so the
// rules build and are tested on every platform.
#pragma once

// A rectangle of screen pixels; right and bottom lie just outside, as in
// Win32's RECT.
struct TipRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A box wider than this share of the work area wraps onto several lines.
constexpr int TIP_MAX_WIDTH_PERCENT = 60;

// The widest a box may be on a work area.
int MaxTipWidth(const TipRect& work);

// The box of width cx and height cy for the point (x, y): above the point,
// its bottom edge on it, when `above`; otherwise `below` pixels under it.
// When that side has no room it goes to the other; a box that would pass
// the right edge moves left. The box covers the point only when it fits on
// neither side, and is wholly inside the work area unless it is larger.
TipRect PlaceTip(int x, int y, int cx, int cy, bool above, int below, const TipRect& work);

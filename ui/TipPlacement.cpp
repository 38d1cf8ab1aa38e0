#include "ui/TipPlacement.h"

#include <algorithm>

int MaxTipWidth(const TipRect& work)
{
    return work.Width() * TIP_MAX_WIDTH_PERCENT / 100;
}

TipRect PlaceTip(int x, int y, int cx, int cy, bool above, int below, const TipRect& work)
{
    const int topAbove = y - cy, topBelow = y + below;
    const bool fitsAbove = topAbove >= work.top, fitsBelow = topBelow + cy <= work.bottom;
    // Where neither side has room, the roomier one, and the box is pushed in.
    const bool roomierAbove = y - work.top >= work.bottom - topBelow;
    const bool goAbove = above ? fitsAbove || (!fitsBelow && roomierAbove)
                               : !fitsBelow && (fitsAbove || roomierAbove);
    int top = goAbove ? topAbove : topBelow;
    top = std::max(std::min(top, work.bottom - cy), work.top);
    int left = std::max(std::min(x, work.right - cx), work.left);
    return TipRect{left, top, left + cx, top + cy};
}

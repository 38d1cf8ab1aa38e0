// Where the tooltip's box stands on the work area: the four edges, a box
// larger than the work area, and work areas that do not start at 0,0 (a
// second monitor, a taskbar on the top or the left).
#include "ui/TipPlacement.h"

#include <gtest/gtest.h>

namespace {

constexpr TipRect kScreen{0, 0, 1280, 1024};
constexpr int kBelow = 20;   // a 32-pixel cursor less the 12 the box overlaps it
constexpr int kCx = 300, kCy = 20;

bool Inside(const TipRect& box, const TipRect& work)
{
    return box.left >= work.left && box.top >= work.top && box.right <= work.right && box.bottom <= work.bottom;
}
bool Covers(const TipRect& box, int x, int y)
{
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

void ExpectBox(const TipRect& box, int left, int top, int cx, int cy)
{
    EXPECT_EQ(box.left, left);
    EXPECT_EQ(box.top, top);
    EXPECT_EQ(box.Width(), cx);
    EXPECT_EQ(box.Height(), cy);
}

TEST(TipPlacement, WithRoomTheBoxStandsWhereItAlwaysDid)
{
    ExpectBox(PlaceTip(100, 200, kCx, kCy, false, kBelow, kScreen), 100, 220, kCx, kCy);
    ExpectBox(PlaceTip(100, 200, kCx, kCy, true, kBelow, kScreen), 100, 180, kCx, kCy);
    // Touching an edge is still inside.
    ExpectBox(PlaceTip(980, 1024 - kBelow - kCy, kCx, kCy, false, kBelow, kScreen), 980, 1024 - kCy, kCx, kCy);
}

TEST(TipPlacement, AtTheRightEdgeTheBoxMovesLeftAndStaysBelowTheCursor)
{
    TipRect box = PlaceTip(1200, 300, kCx, kCy, false, kBelow, kScreen);
    ExpectBox(box, 1280 - kCx, 320, kCx, kCy);
    EXPECT_FALSE(Covers(box, 1200, 300));
}

TEST(TipPlacement, AtTheBottomEdgeTheBoxGoesAboveThePoint)
{
    TipRect box = PlaceTip(400, 1010, kCx, kCy, false, kBelow, kScreen);
    ExpectBox(box, 400, 1010 - kCy, kCx, kCy);
    EXPECT_FALSE(Covers(box, 400, 1010));
    // In the bottom-right corner both at once.
    ExpectBox(PlaceTip(1279, 1023, kCx, kCy, false, kBelow, kScreen), 1280 - kCx, 1023 - kCy, kCx, kCy);
}

TEST(TipPlacement, AtTheTopEdgeABoxMeantAboveGoesBelow)
{
    TipRect box = PlaceTip(400, 5, kCx, kCy, true, 0, kScreen);
    ExpectBox(box, 400, 5, kCx, kCy);
    ExpectBox(PlaceTip(400, 0, kCx, kCy, false, kBelow, kScreen), 400, kBelow, kCx, kCy);
}

TEST(TipPlacement, LeftOfTheWorkAreaTheBoxIsPulledIn)
{
    ExpectBox(PlaceTip(-50, 300, kCx, kCy, false, kBelow, kScreen), 0, 320, kCx, kCy);
    ExpectBox(PlaceTip(0, 300, kCx, kCy, false, kBelow, kScreen), 0, 320, kCx, kCy);
}

TEST(TipPlacement, ABoxLargerThanTheWorkAreaStartsAtItsTopLeftCorner)
{
    ExpectBox(PlaceTip(900, 700, 2000, 1500, false, kBelow, kScreen), 0, 0, 2000, 1500);
    // Taller than the room on either side of the point but not than the work
    // area: on the roomier side, pushed in, and only then over the point.
    TipRect box = PlaceTip(600, 400, kCx, 700, false, kBelow, kScreen);
    ExpectBox(box, 600, 1024 - 700, kCx, 700);
    EXPECT_TRUE(Inside(box, kScreen));
    box = PlaceTip(600, 700, kCx, 800, false, kBelow, kScreen);
    ExpectBox(box, 600, 0, kCx, 800);
}

TEST(TipPlacement, ASecondMonitorLeftOfAndAboveThePrimary)
{
    const TipRect second{-1920, -300, 0, 780};
    TipRect box = PlaceTip(-10, 770, kCx, kCy, false, kBelow, second);
    ExpectBox(box, -kCx, 770 - kCy, kCx, kCy);
    EXPECT_TRUE(Inside(box, second));
    ExpectBox(PlaceTip(-1920, -300, kCx, kCy, true, 0, second), -1920, -300, kCx, kCy);
}

TEST(TipPlacement, ATaskbarOnTopOrOnTheLeftIsLeftUncovered)
{
    const TipRect belowTaskbar{0, 40, 1280, 1024};
    TipRect box = PlaceTip(300, 20, kCx, kCy, true, 0, belowTaskbar);   // the point on the taskbar
    EXPECT_TRUE(Inside(box, belowTaskbar));
    ExpectBox(box, 300, 40, kCx, kCy);
    ExpectBox(PlaceTip(300, 50, kCx, kCy, true, 0, belowTaskbar), 300, 50, kCx, kCy);

    const TipRect rightOfTaskbar{60, 0, 1280, 1024};
    ExpectBox(PlaceTip(30, 500, kCx, kCy, false, kBelow, rightOfTaskbar), 60, 520, kCx, kCy);
}

TEST(TipPlacement, TheWidestBoxIsSixtyPercentOfTheWorkArea)
{
    EXPECT_EQ(MaxTipWidth(kScreen), 768);
    EXPECT_EQ(MaxTipWidth(TipRect{-1920, 0, 0, 1080}), 1152);
}

// Every point of the screen, near every edge: the box is inside the work
// area and off the point.
TEST(TipPlacement, NoPointPutsTheBoxOutsideOrOverThePoint)
{
    const TipRect work{100, 50, 1380, 1074};
    for (bool above : {false, true})
        for (int y = work.top; y < work.bottom; y += 7)
            for (int x = work.left - 30; x < work.right + 30; x += 13) {
                TipRect box = PlaceTip(x, y, 700, 60, above, above ? 0 : kBelow, work);
                ASSERT_TRUE(Inside(box, work)) << x << "," << y;
                if (!above)
                    ASSERT_FALSE(Covers(box, x, y)) << x << "," << y;
            }
}

} // namespace

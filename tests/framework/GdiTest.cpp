// The GDI owners: one handle each, deleted when replaced or gone, movable,
// never copied; ScopedSelect puts the previous object back.
#include "framework/Gdi.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

static_assert(!std::is_copy_constructible_v<CBrush> && !std::is_copy_assignable_v<CBrush>);
static_assert(!std::is_copy_constructible_v<CFont> && !std::is_copy_assignable_v<CPen>);
static_assert(std::is_nothrow_move_constructible_v<CBrush> && std::is_nothrow_move_assignable_v<CFont>);

bool Alive(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

TEST(GdiTest, AnOwnerDeletesItsHandleWhenItGoes)
{
    HBRUSH handle;
    {
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(1, 2, 3)));
        handle = brush;
        EXPECT_TRUE(Alive(handle));
    }
    EXPECT_FALSE(Alive(handle));
}

TEST(GdiTest, RecreatingDeletesThePreviousHandle)
{
    CBrush brush;
    brush.CreateSolidBrush(RGB(0, 0, 250));
    HBRUSH first = brush;
    brush.CreateSolidBrush(RGB(0, 0, 150));
    EXPECT_FALSE(Alive(first));
    EXPECT_TRUE(Alive(brush.Get()));
    LOGBRUSH lb{};
    ::GetObjectA(brush, sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(0, 0, 150));
}

TEST(GdiTest, MovingHandsTheHandleOverOnce)
{
    CPen a;
    a.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HPEN handle = a;
    CPen b(std::move(a));
    EXPECT_EQ(a.Get(), nullptr);
    EXPECT_EQ(b.Get(), handle);
    CPen c;
    c.CreatePen(PS_SOLID, 2, RGB(9, 9, 9));
    HPEN replaced = c;
    c = std::move(b);
    EXPECT_FALSE(Alive(replaced));
    EXPECT_EQ(c.Get(), handle);
    EXPECT_TRUE(Alive(handle));
}

TEST(GdiTest, APointFontHasTheScreenHeightOfItsSize)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
    LOGFONTA lf{};
    ::GetObjectA(font, sizeof lf, &lf);
    HDC screen = ::GetDC(nullptr);
    int expected = -::MulDiv(90, ::GetDeviceCaps(screen, LOGPIXELSY), 720);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(lf.lfHeight, expected);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
}

TEST(GdiTest, ScopedSelectPutsThePreviousObjectBack)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ before = ::GetCurrentObject(dc, OBJ_BRUSH);
    CBrush brush;
    brush.CreateSolidBrush(RGB(10, 20, 30));
    {
        ScopedSelect select(dc, brush);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), before);
    ::DeleteDC(dc);
}

} // namespace

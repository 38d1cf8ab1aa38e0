// A real click (X input through xdotool) on a visible suggestion row: the
// left-button hook reports it and the row's word goes into the input box.
#include "tests/typing/HostTools.h"
#include "tests/typing/MainDialogFixture.h"

#include <gtest/gtest.h>

using namespace typing;

namespace {

class RowClickTest : public MainDialogTest {};

TEST_F(RowClickTest, AClickOnAVisibleRowPutsItsWordIntoTheBoxSelectedAndLooksItUp)
{
    ASSERT_TRUE(HostAvailable());
    OpenMainDialog();
    Type("apple");
    ASSERT_TRUE(RowVisible(3));
    ASSERT_EQ(m_dlg->m_bRowHook, 1);
    const std::string row3 = m_dlg->m_dictionary.m_strNeighbours[3];
    ASSERT_EQ(row3, "Cat    ");

    // Row 3 answers client y 118 to 133: the strip below its box, where
    // row 4's box stands, since the rows stand above their points.
    POINT pt = ClientToScreenPt(300, 126);
    XClick(pt.x, pt.y);
    ASSERT_TRUE(PumpUntil([&] { return ItemText(IDC_INPUT) == row3; }, 15000)) << ItemText(IDC_INPUT);

    DWORD start = 1, end = 0;
    ::SendMessageA(Item(IDC_INPUT), EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, (DWORD)row3.size());
    EXPECT_EQ(ItemText(IDC_TRANSLATION), "котка");
    EXPECT_EQ(::GetActiveWindow(), m_dlg->m_hWnd) << "typing goes on in the main dialog";
    EXPECT_EQ(::GetFocus(), Item(IDC_INPUT));
    EXPECT_EQ(m_dlg->m_bRowHook, 0) << "the hook goes after the first press it reports";
    EXPECT_EQ(m_dlg->m_dictionary.m_strNeighbours[0], "Cat      ") << "the row's word was looked up";

    // Keys typed next replace the selected word.
    XType("plum");
    EXPECT_TRUE(PumpUntil([&] { return ItemText(IDC_TRANSLATION) == "слива"; }, 15000)) << ItemText(IDC_INPUT);
    EXPECT_EQ(ItemText(IDC_INPUT), "plum");
}

TEST_F(RowClickTest, WithoutVisibleRowsAClickIsNotWatched)
{
    ASSERT_TRUE(HostAvailable());
    OpenMainDialog();
    Type("apple");
    ASSERT_TRUE(PumpUntil([&] { return !AnyRowVisible(); }, 20000));
    ASSERT_EQ(m_dlg->m_bRowHook, 0);

    // A click into the input box itself: seen by the box, not by the rows.
    RECT box;
    ::GetWindowRect(Item(IDC_INPUT), &box);
    XClick((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == Item(IDC_INPUT); }, 15000));
    EXPECT_EQ(ItemText(IDC_INPUT), "apple");
}

} // namespace

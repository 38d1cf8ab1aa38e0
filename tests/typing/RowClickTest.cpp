// A real click (X input through xdotool) on a visible suggestion row: the
// left-button hook reports it and the row's word goes into the input box.
#include "tests/support/Cp1251Text.h"
#include "tests/support/XInput.h"
#include "tests/typing/HostTools.h"
#include "tests/typing/MainDialogFixture.h"

#include <gtest/gtest.h>

using namespace typing;

namespace {

class RowClickTest : public MainDialogTest {};

TEST_F(RowClickTest, AClickOnAVisibleRowPutsItsWordIntoTheBoxSelectedAndLooksItUp)
{
    ASSERT_TRUE(host::Available());
    OpenMainDialog();
    Type("apple");
    ASSERT_TRUE(RowVisible(3));
    ASSERT_EQ(m_dlg->m_bRowHook, 1);
    const std::string row3 = m_dlg->m_dictionary.m_strNeighbours[3];
    ASSERT_EQ(row3, "Cat    ");
    // Watching the rows changed their style only: they stay Unicode windows,
    // as the dialog does, so Bulgarian shows under any code page.
    EXPECT_TRUE(::IsWindowUnicode(m_dlg->m_rowTips[3].m_hWnd));
    EXPECT_TRUE(::IsWindowUnicode(m_dlg->m_hWnd));

    // The middle of row 3's box (row 4 covers only its bottom).
    RECT box;
    ::GetWindowRect(m_dlg->m_rowTips[3].m_hWnd, &box);
    xinput::Click((box.left + box.right) / 2, box.top + 3);
    ASSERT_TRUE(support::PumpUntil([&] { return ItemText(IDC_INPUT) == row3; }, 15000)) << ItemText(IDC_INPUT);

    DWORD start = 1, end = 0;
    ::SendMessageA(Item(IDC_INPUT), EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, (DWORD)row3.size());
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"котка"_cp1251);
    EXPECT_EQ(::GetActiveWindow(), m_dlg->m_hWnd) << "typing goes on in the main dialog";
    EXPECT_EQ(::GetFocus(), Item(IDC_INPUT));
    EXPECT_EQ(m_dlg->m_bRowHook, 1) << "the refreshed rows are watched as well";
    EXPECT_EQ(m_dlg->m_dictionary.m_strNeighbours[0], "Cat      ") << "the row's word was looked up";

    // Keys typed next replace the selected word.
    xinput::Type("plum");
    EXPECT_TRUE(support::PumpUntil([&] { return ItemText(IDC_TRANSLATION) == u8"слива"_cp1251; }, 15000))
        << ItemText(IDC_INPUT);
    EXPECT_EQ(ItemText(IDC_INPUT), "plum");
}

TEST_F(RowClickTest, ASecondRowClickPicksItsRowToo)
{
    ASSERT_TRUE(host::Available());
    OpenMainDialog();
    Type("apple");
    for (int row : {3, 1}) {
        SCOPED_TRACE("row " + std::to_string(row));
        const std::string word = m_dlg->m_dictionary.m_strNeighbours[row];
        RECT box;
        ::GetWindowRect(m_dlg->m_rowTips[row].m_hWnd, &box);
        xinput::Click((box.left + box.right) / 2, box.top + 3);
        ASSERT_TRUE(support::PumpUntil([&] { return ItemText(IDC_INPUT) == word; }, 15000)) << ItemText(IDC_INPUT);
        EXPECT_EQ(::GetFocus(), Item(IDC_INPUT));
    }
}

TEST_F(RowClickTest, AClickIntoTheDialogWhileRowsAreShownReachesItsControlAndKeepsTheWord)
{
    ASSERT_TRUE(host::Available());
    OpenMainDialog();
    Type("apple");
    ASSERT_TRUE(AnyRowVisible());
    RECT edit;
    ::GetWindowRect(Item(IDC_TRANSLATION), &edit);
    xinput::Click((edit.left + edit.right) / 2, (edit.top + edit.bottom) / 2);
    // The hook's report is posted before the press is dispatched, so it has
    // been handled once the press moved the focus.
    ASSERT_TRUE(support::PumpUntil([&] { return ::GetFocus() == Item(IDC_TRANSLATION); }, 15000));
    EXPECT_EQ(ItemText(IDC_INPUT), "apple");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"ябълка"_cp1251);
    EXPECT_TRUE(AnyRowVisible());
}

TEST_F(RowClickTest, WithoutVisibleRowsAClickIsNotWatched)
{
    ASSERT_TRUE(host::Available());
    OpenMainDialog();
    Type("apple");
    ASSERT_TRUE(support::PumpUntil([&] { return !AnyRowVisible(); }, 20000));
    ASSERT_EQ(m_dlg->m_bRowHook, 0);

    // A click into the input box itself: seen by the box, not by the rows.
    RECT box;
    ::GetWindowRect(Item(IDC_INPUT), &box);
    xinput::Click((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    ASSERT_TRUE(support::PumpUntil([&] { return ::GetFocus() == Item(IDC_INPUT); }, 15000));
    EXPECT_EQ(ItemText(IDC_INPUT), "apple");
}

} // namespace

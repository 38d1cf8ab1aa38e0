// Typing into the main dialog: the lookup in 1001, the ten suggestion rows
// beside the dialog and their 7-second life, list mode, presses on the rows
// as the left-button hook reports them, the typed words the history keeps,
// and how a word is said.
#include "dictionary/Pronunciations.h"
#include "framework/Text.h"
#include "hooklib/Tapwire.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/Pump.h"
#include "tests/typing/MainDialogFixture.h"

#include <gtest/gtest.h>

using namespace typing;

namespace {

const std::string NO_SUCH_WORD = u8"Няма такава дума"_cp1251;
const std::string EMPTY_QUERY = u8"Няма такава дума в БД!"_cp1251;

class KeyboardInputTest : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        OpenMainDialog();
    }

    std::vector<std::string> Neighbours() const
    {
        return std::vector<std::string>(m_dlg->m_dictionary.m_strNeighbours,
                                        m_dlg->m_dictionary.m_strNeighbours + 10);
    }
    std::vector<std::string> RowTexts() const
    {
        std::vector<std::string> texts;
        for (const CTipWnd& row : m_dlg->m_rowTips)
            texts.push_back(support::TextOf(row.m_hWnd));
        return texts;
    }
    std::vector<std::string> ListItems() const
    {
        std::vector<std::string> items;
        HWND list = Item(IDC_SUGGESTIONS);
        int count = (int)::SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            char text[300] = "";
            ::SendMessageA(list, LB_GETTEXT, i, (LPARAM)text);
            items.push_back(text);
        }
        return items;
    }
    // Lookups of the word in History.dat (the rows show only what reached the file).
    std::uint32_t Kept(const char* word) const
    {
        const notebook::Row* row = m_dlg->m_history.Book().Rows().Find(word);
        return row ? row->count : 0;
    }
    void ExpectInputFullySelected()
    {
        DWORD start = 0, end = 0;
        ::SendMessageA(Item(IDC_INPUT), EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, (DWORD)ItemText(IDC_INPUT).size());
    }
};

TEST_F(KeyboardInputTest, AWordTheDictionaryLacksShowsItsBaseFormWithItsRowsUntilSwitchedOff)
{
    Type("apples");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"apple: ябълка"_cp1251);
    std::vector<std::string> expected = {"apple  ", "apricot", "banana ", "Cat    ", "cherry ",
                                         "DOG    ", " Fig   ", u8"ГРОЗДЕ "_cp1251, u8"Ёж Їжак"_cp1251, "grape  "};
    EXPECT_EQ(RowTexts(), expected);

    HMENU menu = ::GetMenu(m_dlg->m_hWnd);
    EXPECT_EQ(::GetMenuState(menu, ID_FIND_BASE_FORMS, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_FIND_BASE_FORMS, 0);
    EXPECT_EQ(::GetMenuState(menu, ID_FIND_BASE_FORMS, MF_BYCOMMAND) & MF_CHECKED, 0u);
    SetInput("pears");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), NO_SUCH_WORD);
    EXPECT_EQ(RowTexts(), expected) << "a miss leaves the rows as they were";
}

// A letter Windows-1251 lacks, typed: with Find Base Forms its base letter
// is looked up, as in a selection; without, the box's Windows-1251 text.
TEST_F(KeyboardInputTest, ATypedLetterWindows1251LacksIsFoldedWithFindBaseForms)
{
    ::SetWindowTextW(Item(IDC_INPUT), L"apr\u00EDcot");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"кайсия"_cp1251);
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_FIND_BASE_FORMS, 0);
    ::SetWindowTextW(Item(IDC_INPUT), L"apr\u00EDcots");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), NO_SUCH_WORD);
}

TEST_F(KeyboardInputTest, TypingInRowModeShowsTheLookupAndTenRowsAtTheirPoints)
{
    Type("app");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), NO_SUCH_WORD);
    Type("le");
    EXPECT_EQ(ItemText(IDC_INPUT), "apple");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"ябълка"_cp1251);

    // Every row padded to the longest word, "Ёж Їжак" (7 bytes).
    std::vector<std::string> expected = {"apple  ", "apricot", "banana ", "Cat    ", "cherry ",
                                         "DOG    ", " Fig   ", u8"ГРОЗДЕ "_cp1251, u8"Ёж Їжак"_cp1251, "grape  "};
    EXPECT_EQ(RowTexts(), expected);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_TRUE(RowVisible(i));
        RECT rect;
        ::GetWindowRect(m_dlg->m_rowTips[i].m_hWnd, &rect);
        POINT anchor = ClientToScreenPt(275, 70 + 16 * i);
        EXPECT_EQ(rect.left, anchor.x);
        EXPECT_EQ(rect.bottom, anchor.y) << "the row's bottom edge stands on its point";
        EXPECT_GT(rect.bottom - rect.top, 0);
    }
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_SUGGESTIONS)));
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_TRANSLATION)));
}

TEST_F(KeyboardInputTest, RowsHideSevenSecondsAfterTheLastKeystrokeAndTheRowHookGoesWithThem)
{
    Type("ch");
    ASSERT_TRUE(support::PumpUntil([] { return false; }, 1500) == false);
    Type("erry");
    DWORD lastKey = ::GetTickCount();
    ASSERT_TRUE(AnyRowVisible());
    EXPECT_EQ(m_dlg->m_bRowHook, 1) << "presses on the rows are watched while they are shown";

    ASSERT_TRUE(support::PumpUntil([&] { return !AnyRowVisible(); }, 20000));
    DWORD shown = ::GetTickCount() - lastKey;
    EXPECT_GE(shown, 6900u) << "the first keystroke's timer was restarted by the last one";
    EXPECT_LE(shown, 12000u);
    EXPECT_EQ(m_dlg->m_bRowHook, 0);
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"череша"_cp1251) << "only the rows go";
}

TEST_F(KeyboardInputTest, ClearingTheBoxShowsTheEmptyQueryMessageAndThePreviousSuggestions)
{
    Type("apple");
    SetInput("cherry");
    std::vector<std::string> cherry = RowTexts();
    EXPECT_EQ(cherry[0], "cherry   ");
    EXPECT_EQ(cherry[9], "kite     ");

    SetInput("");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), EMPTY_QUERY);
    EXPECT_EQ(RowTexts(), cherry);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(RowVisible(i)) << "row " << i;
}

TEST_F(KeyboardInputTest, NothingHappensWhileTheDictionaryIsNotReady)
{
    m_dlg->m_bReady = 0;
    Type("apple");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), "");
    EXPECT_FALSE(AnyRowVisible());
    EXPECT_EQ(m_dlg->m_bRowHook, 0);
}

TEST_F(KeyboardInputTest, ListModeFillsTenTidiedEntriesSelectsTheFirstAndSwapsTheEdits)
{
    m_dlg->m_bKeyboardInput = 1;
    Type("apple");
    std::vector<std::string> expected = {"apple", "apricot", "banana", "cat",     "cherry",
                                         "dog",   "fig",     u8"грозде"_cp1251, u8"ёж їжак"_cp1251, "grape"};
    EXPECT_EQ(ListItems(), expected);
    EXPECT_EQ(::SendMessageA(Item(IDC_SUGGESTIONS), LB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_SUGGESTIONS)));
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_LIST_TRANSLATION)));
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_TRANSLATION)));
    EXPECT_EQ(ItemText(IDC_LIST_TRANSLATION), u8"ябълка"_cp1251);
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"ябълка"_cp1251);
    EXPECT_FALSE(AnyRowVisible());
    EXPECT_EQ(m_dlg->m_bRowHook, 0);

    // A failed lookup still gives ten entries: the tidied previous ones.
    Type("x");
    EXPECT_EQ(ListItems(), expected);
    EXPECT_EQ(ItemText(IDC_LIST_TRANSLATION), NO_SUCH_WORD);
}

TEST_F(KeyboardInputTest, ListModeBeforeAnyMatchHasTenEmptyEntries)
{
    m_dlg->m_bKeyboardInput = 1;
    Type("q");
    EXPECT_EQ(ListItems(), std::vector<std::string>(10, ""));
}

TEST_F(KeyboardInputTest, ChoosingAListEntryPutsItIntoTheBoxWithoutRefillingTheList)
{
    m_dlg->m_bKeyboardInput = 1;
    Type("apple");
    std::vector<std::string> before = ListItems();
    HWND list = Item(IDC_SUGGESTIONS);
    ::SendMessageA(list, LB_SETCURSEL, 4, 0);
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SUGGESTIONS, LBN_SELCHANGE), (LPARAM)list);

    EXPECT_EQ(ItemText(IDC_INPUT), "cherry");
    EXPECT_EQ(ItemText(IDC_LIST_TRANSLATION), u8"череша"_cp1251);
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"череша"_cp1251);
    EXPECT_EQ(ListItems(), before) << "the lookup of cherry rebuilt the neighbours, not the list";
    EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(m_dlg->m_dictionary.m_strNeighbours[0], "cherry   ");
    EXPECT_EQ(Kept("cherry"), 1u) << "a word chosen in the list is settled on";
    EXPECT_EQ(Kept("apple"), 0u) << "the typing moved on from it";
}

// Enter, a press on a row, or the box left alone for a while: the word is
// kept once; words not found and words typed past are not.
TEST_F(KeyboardInputTest, AWordSettledOnIsKeptInTheHistoryOnce)
{
    Type("apple");
    EXPECT_EQ(Kept("apple"), 0u);
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Kept("apple"), 1u);
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Kept("apple"), 1u) << "Enter again: nothing new";

    RECT box;
    ::GetWindowRect(m_dlg->m_rowTips[2].m_hWnd, &box);
    ::SendMessageA(m_dlg->m_hWnd, g_tapwireMessages.lbuttonPress, (WPARAM)box.left, (LPARAM)box.top);
    EXPECT_EQ(Kept("banana"), 1u);

    SetInput("qqqq");
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(m_dlg->m_history.Book().Rows().Size(), 2u) << "not found: not kept";

    SetInput("plum");
    SetInput("lemon");
    const DWORD start = ::GetTickCount();
    ASSERT_TRUE(support::PumpUntil([&] { return Kept("lemon") == 1; }, 15000));
    EXPECT_GE(::GetTickCount() - start + 20, HistoryRecorder::SETTLE_MS);
    EXPECT_EQ(Kept("plum"), 0u);
    EXPECT_EQ(m_dlg->m_history.Book().Rows().Find("lemon")->application, "");

    m_dlg->OnKeepHistory();
    SetInput("pear");
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Kept("pear"), 0u) << "Keep History off";
}

TEST_F(KeyboardInputTest, ListEntriesOfCyrillicCapitalsReadInSmallLetters)
{
    m_dlg->m_bKeyboardInput = 1;
    Type("DOG");
    std::vector<std::string> items = ListItems();
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0], "dog");
    EXPECT_EQ(items[2], u8"грозде"_cp1251);
    EXPECT_EQ(items[3], u8"ёж їжак"_cp1251);
}

TEST_F(KeyboardInputTest, APressOnARowsVisibleBoxPicksThatRow)
{
    Type("apple");
    const std::vector<std::string> rows = Neighbours();
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        // Its top corners: a later row may cover the bottom of its box, never the top.
        for (bool right : {false, true}) {
            SetInput("apple");
            ASSERT_EQ(Neighbours(), rows);
            RECT box;
            ::GetWindowRect(m_dlg->m_rowTips[i].m_hWnd, &box);
            POINT pt{right ? box.right - 1 : box.left, box.top};
            ::SendMessageA(m_dlg->m_hWnd, g_tapwireMessages.lbuttonPress, (WPARAM)pt.x, (LPARAM)pt.y);
            EXPECT_EQ(ItemText(IDC_INPUT), rows[i]) << "with its padding, as the neighbours keep it";
            ExpectInputFullySelected();
            EXPECT_EQ(ItemText(IDC_TRANSLATION), m_dlg->m_dictionary.Lookup(rows[i].c_str()));
        }
    }
    // The last row's box is seen whole.
    SetInput("apple");
    RECT last;
    ::GetWindowRect(m_dlg->m_rowTips[9].m_hWnd, &last);
    ::SendMessageA(m_dlg->m_hWnd, g_tapwireMessages.lbuttonPress, (WPARAM)last.left, (LPARAM)(last.bottom - 1));
    EXPECT_EQ(ItemText(IDC_INPUT), rows[9]);
}

TEST_F(KeyboardInputTest, APressBesideTheRowsChangesNothing)
{
    Type("apple");
    RECT first, last;
    ::GetWindowRect(m_dlg->m_rowTips[0].m_hWnd, &first);
    ::GetWindowRect(m_dlg->m_rowTips[9].m_hWnd, &last);
    POINT inside = ClientToScreenPt(100, 100);
    for (POINT pt : {POINT{first.left - 1, first.top}, POINT{first.left, first.top - 1},
                     POINT{last.right, last.bottom - 1}, POINT{last.left, last.bottom}, inside}) {
        SCOPED_TRACE(std::to_string(pt.x) + " " + std::to_string(pt.y));
        ::SendMessageA(m_dlg->m_hWnd, g_tapwireMessages.lbuttonPress, (WPARAM)pt.x, (LPARAM)pt.y);
        EXPECT_EQ(ItemText(IDC_INPUT), "apple");
        EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"ябълка"_cp1251);
        EXPECT_EQ(m_dlg->m_bRowHook, 1) << "the rows are still shown, so still watched";
    }
}

TEST_F(KeyboardInputTest, ListModeLeavesTheDictionarysNeighboursAsTheyAre)
{
    m_dlg->m_bKeyboardInput = 1;
    Type("apple");
    EXPECT_EQ(Neighbours()[0], "apple  ");
    EXPECT_EQ(Neighbours()[7], u8"ГРОЗДЕ "_cp1251);
}

} // namespace

// How the entry is said stands after its name in the translation box, and the
// history keeps it; switched off, the box holds the dictionary's answer alone.
TEST_F(KeyboardInputTest, ShowPronunciationSaysTheEntryAfterItsNameUntilSwitchedOff)
{
    CloseMainDialog();
    support::WriteFileBytes(CPronunciations::FILE_NAME, CPronunciations::Build({{"apple", "n", u8"ˈæp.əl"}}));
    OpenMainDialog();
    auto box = [this] { return WideWindowTextOf(Item(IDC_TRANSLATION)); };
    Type("apple");
    EXPECT_EQ(box(), L"apple /ˈæp.əl/: ябълка");
    SetInput("apples");
    EXPECT_EQ(box(), L"apple /ˈæp.əl/: ябълка") << "a base form is said too";
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, IDOK, 0);
    const notebook::Row* row = m_dlg->m_history.Book().Rows().Find("apples");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->pronunciation, u8"/ˈæp.əl/");

    HMENU menu = ::GetMenu(m_dlg->m_hWnd);
    EXPECT_EQ(::GetMenuState(menu, ID_SHOW_PRONUNCIATION, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_SHOW_PRONUNCIATION, 0);
    EXPECT_EQ(::GetMenuState(menu, ID_SHOW_PRONUNCIATION, MF_BYCOMMAND) & MF_CHECKED, 0u);
    SetInput("apple");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"ябълка"_cp1251);
}

// Without pron.dat the user is told once, and every answer is as without
// the switch.
TEST_F(KeyboardInputTest, AMissingPronunciationFileIsSaidOnce)
{
    CloseMainDialog();
    ::DeleteFileA(CPronunciations::FILE_NAME);
    OpenMainDialog();
    const std::string NOTE = u8"Файлът pron.dat липсва или е повреден"_cp1251;
    EXPECT_EQ(ItemText(IDC_TRANSLATION).rfind(NOTE, 0), 0u) << ItemText(IDC_TRANSLATION);
    Type("apple");
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"ябълка"_cp1251);
    for (int i = 0; i < 2; ++i)
        ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_SHOW_PRONUNCIATION, 0);
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"ябълка"_cp1251) << "said once";
}

// Speak, from the menu or its hotkey, says the last entry found. Wine has no
// English voice: that is said once, and the dialog never waits for the voice.
TEST_F(KeyboardInputTest, SpeakWithoutAnEnglishVoiceSaysSoAndNothingWaits)
{
    const std::string NOTE = u8"Няма английски глас"_cp1251;
    Type("apples");
    ::SendMessageA(m_dlg->m_hWnd, WM_HOTKEY, Hotkeys::SPEAK, 0);
    ASSERT_TRUE(support::PumpUntil([&] { return ItemText(IDC_TRANSLATION).rfind(NOTE, 0) == 0; }))
        << ItemText(IDC_TRANSLATION);
    SetInput("pear");
    ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_SPEAK, 0);
    EXPECT_EQ(ItemText(IDC_TRANSLATION), u8"круша"_cp1251) << "the note is said once, never inside the command";
}

// How the History window orders and filters its rows, natively.
#include "notebook/History.h"
#include "ui/HistoryRows.h"

#include <gtest/gtest.h>

using history::Column;
using history::FoldCase;
using history::HistoryRows;

namespace {

notebook::Row MakeRow(const char* word, const char* translation, notebook::Time last, unsigned count, bool starred)
{
    notebook::Row row;
    row.word = word;
    row.translation = translation;
    row.lastSeen = last;
    row.count = count;
    row.starred = starred;
    return row;
}

std::vector<std::string> Words(const HistoryRows& rows)
{
    std::vector<std::string> words;
    for (std::size_t i = 0; i < rows.Count(); ++i)
        words.push_back(rows.RowAt(i).word);
    return words;
}

HistoryRows Sample()
{
    HistoryRows rows;
    rows.Reset({MakeRow("cat", u8"котка", 300, 1, false), MakeRow("Bed", u8"легло", 200, 5, true),
                MakeRow("apple", u8"ябълка", 100, 5, false)});
    return rows;
}

TEST(HistoryRowsTest, FoldingLowersLatinGreekAndCyrillicCapitalsOnly)
{
    EXPECT_EQ(FoldCase(L"AZ\u00C9\u00D7\u0178\u0141\u0416\u0401\u0462\u0393"),
              L"az\u00E9\u00D7\u00FF\u0142\u0436\u0451\u0463\u03B3");
    EXPECT_EQ(FoldCase(L"az09-\u0436"), L"az09-\u0436");
}

TEST(HistoryRowsTest, WideFromUtf8KeepsEveryCharacterAndMarksBrokenBytes)
{
    EXPECT_EQ(history::WideFromUtf8(u8"къща"), L"\u043A\u044A\u0449\u0430");
    EXPECT_EQ(history::WideFromUtf8("a\xFF" "b"), L"a\uFFFDb");
}

TEST(HistoryRowsTest, TheLatestComeFirstUntilAColumnIsChosen)
{
    HistoryRows rows = Sample();
    EXPECT_EQ(Words(rows), (std::vector<std::string>{"cat", "Bed", "apple"}));
    rows.SortBy(Column::Word);
    EXPECT_EQ(Words(rows), (std::vector<std::string>{"apple", "Bed", "cat"}));
    rows.SortBy(Column::Word);
    EXPECT_EQ(Words(rows), (std::vector<std::string>{"cat", "Bed", "apple"}));
}

TEST(HistoryRowsTest, NumbersAndStarsStartFromTheMostAndTiesGoByTheWord)
{
    HistoryRows rows = Sample();
    rows.SortBy(Column::Count);
    EXPECT_EQ(Words(rows), (std::vector<std::string>{"apple", "Bed", "cat"}));
    rows.SortBy(Column::Star);
    EXPECT_EQ(Words(rows), (std::vector<std::string>{"Bed", "apple", "cat"}));
    rows.SortBy(Column::Translation);
    EXPECT_EQ(Words(rows), (std::vector<std::string>{"cat", "Bed", "apple"}));
}

TEST(HistoryRowsTest, TheFilterKeepsTheSortAndSurvivesNewRows)
{
    HistoryRows rows = Sample();
    rows.SortBy(Column::Word);
    rows.Filter(L"\u041B");   // "Л": легло, ябълка
    EXPECT_EQ(Words(rows), (std::vector<std::string>{"apple", "Bed"}));
    rows.Reset({MakeRow("lake", u8"езеро", 400, 1, false), MakeRow("Bed", u8"легло", 200, 5, true)});
    EXPECT_EQ(Words(rows), (std::vector<std::string>{"Bed"})) << "lake: a Latin l, not a Cyrillic one";
    EXPECT_EQ(rows.Find("BED"), 0);
    EXPECT_EQ(rows.Find("cat"), -1);
}

} // namespace

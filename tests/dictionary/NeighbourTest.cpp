#include "dictionary/Dictionary.h"
#include "tests/dictionary/DictionaryBuilder.h"
#include "tests/support/Cp1251Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Neighbours(const CDictionary& dict)
{
    return std::vector<std::string>(std::begin(dict.m_strNeighbours), std::end(dict.m_strNeighbours));
}

// Pads the expected words to the longest of them, as the lookup does.
std::vector<std::string> Padded(std::vector<std::string> words)
{
    size_t longest = 0;
    for (const auto& w : words)
        longest = std::max(longest, w.size());
    for (auto& w : words)
        w.resize(longest, ' ');
    return words;
}

const std::vector<std::string> TEN_EMPTY(10);

} // namespace

TEST(Neighbours, FoundWordAndTheNineAfterIt)
{
    CDictionary dict;
    Fill(dict, {{"zero", "0"}, {"able", "1"}});
    Filler(dict, 12, "w");
    EXPECT_STREQ(dict.Lookup("ABLE"), "1");
    // The found word as stored, not as queried.
    EXPECT_EQ(Neighbours(dict), Padded({"able", "w0x", "w1x", "w2x", "w3x", "w4x", "w5x", "w6x", "w7x", "w8x"}));
}

TEST(Neighbours, PaddedToTheLongest)
{
    CDictionary dict;
    Fill(dict, {{"a", "1"}, {"bb", "2"}, {"a much longer word", "3"}, {"c", "4"}});
    Filler(dict, 10);
    dict.Lookup("a");
    for (const std::string& s : dict.m_strNeighbours)
        EXPECT_EQ(s.size(), std::string("a much longer word").size());
    EXPECT_EQ(dict.m_strNeighbours[0], "a                 ");
    EXPECT_EQ(dict.m_strNeighbours[2], "a much longer word");
    EXPECT_EQ(dict.LongestNeighbour(), 18u);
}

TEST(Neighbours, RebuiltOnlyWithTenEntriesAfterTheMatch)
{
    CDictionary dict;
    Filler(dict, 30);   // f0x … f29x; m_nCount = 30
    // f19x is number 19 = m_nCount − 11: rebuilt.
    dict.Lookup("f19x");
    EXPECT_EQ(Neighbours(dict), Padded({"f19x", "f20x", "f21x", "f22x", "f23x", "f24x", "f25x", "f26x", "f27x", "f28x"}));
    // f20x is number m_nCount − 10: left as they were.
    dict.Lookup("f20x");
    EXPECT_EQ(dict.m_strNeighbours[0], "f19x");
    // The same from the tail (f… starts with a letter before K, so use a trimmed query).
    dict.Lookup("(f2x)");
    EXPECT_EQ(dict.m_strNeighbours[0], "f2x ");
    dict.Lookup("(f20x)");
    EXPECT_EQ(dict.m_strNeighbours[0], "f2x ");
    dict.Lookup("(f19x)");
    EXPECT_EQ(dict.m_strNeighbours[0], "f19x");
}

TEST(Neighbours, BackwardMatchWalksTheEntriesAfterIt)
{
    CDictionary dict;
    Filler(dict, 5, "p");
    const std::string kite = u8"хвърчило"_cp1251;
    dict.AddPair("kite", kite.c_str());
    Filler(dict, 10, "q");
    EXPECT_EQ(dict.Lookup("kite"), u8"хвърчило"_cp1251);
    EXPECT_EQ(Neighbours(dict), Padded({"kite", "q0x", "q1x", "q2x", "q3x", "q4x", "q5x", "q6x", "q7x", "q8x"}));
}

TEST(Neighbours, LeftAloneWithoutAMatch)
{
    CDictionary dict;
    Filler(dict, 20);
    EXPECT_EQ(Neighbours(dict), TEN_EMPTY);
    dict.Lookup("f3x");
    const auto before = Neighbours(dict);
    EXPECT_EQ(dict.Lookup(""), CDictionary::MSG_EMPTY_QUERY);
    EXPECT_EQ(Neighbours(dict), before);
    EXPECT_EQ(dict.Lookup("nothing"), CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(Neighbours(dict), before);
    dict.Lookup("f15x");   // a match too near the tail
    EXPECT_EQ(Neighbours(dict), before);
}

TEST(Neighbours, EqualWordIsSkippedOnce)
{
    CDictionary dict;
    Fill(dict, {{"abase", "1"}, {"Abbey", "2"}, {"abbey", "3"}, {"Abbot", "4"}});
    Filler(dict, 10);
    dict.Lookup("abase");
    EXPECT_EQ(Neighbours(dict), Padded({"abase", "Abbey", "Abbot", "f0x", "f1x", "f2x", "f3x", "f4x", "f5x", "f6x"}));
}

TEST(Neighbours, SkipComparesWithEveryEarlierNeighbour)
{
    CDictionary dict;
    // "Found" comes back three places later and is equal to neighbour 0.
    Fill(dict, {{"found", "1"}, {"b", "2"}, {"c", "3"}, {"FOUND", "4"}, {"d", "5"}});
    Filler(dict, 10);
    dict.Lookup("found");
    EXPECT_EQ(Neighbours(dict), Padded({"found", "b", "c", "d", "f0x", "f1x", "f2x", "f3x", "f4x", "f5x"}));
}

TEST(Neighbours, ReplacementIsTakenWithoutComparing)
{
    CDictionary dict;
    // The entry after the skipped "a" is another "A": it is taken as it is.
    Fill(dict, {{"x", "1"}, {"A", "2"}, {"a", "3"}, {"A", "4"}, {"b", "5"}});
    Filler(dict, 10);
    dict.Lookup("x");
    EXPECT_EQ(Neighbours(dict), Padded({"x", "A", "A", "b", "f0x", "f1x", "f2x", "f3x", "f4x", "f5x"}));
}

TEST(Neighbours, WalkStopsAtTheTail)
{
    CDictionary dict;
    dict.AddPair("found", "1");
    for (int i = 0; i < 10; ++i)
        dict.AddPair("a", "-");
    // Exactly ten entries follow, so the list is rebuilt; every second "a" is
    // skipped and the walk runs out after five places.
    dict.Lookup("found");
    EXPECT_EQ(Neighbours(dict), Padded({"found", "a", "a", "a", "a", "a", "", "", "", ""}));
}

TEST(Neighbours, StaleStringsDoNotSurviveAShortWalk)
{
    CDictionary dict;
    Filler(dict, 12, "longer-word-");
    dict.AddPair("found", "1");
    for (int i = 0; i < 10; ++i)
        dict.AddPair("a", "-");
    dict.Lookup("(longer-word-0x)");
    EXPECT_EQ(dict.m_strNeighbours[9], "longer-word-9x");
    dict.Lookup("found");
    EXPECT_EQ(dict.m_strNeighbours[9], "     ");
}

TEST(Neighbours, EditedStringsAreRebuiltByTheNextMatch)
{
    CDictionary dict;
    Filler(dict, 20);
    dict.Lookup("f1x");
    dict.m_strNeighbours[3] = "edited by the caller";
    dict.Lookup("f2x");
    EXPECT_EQ(Neighbours(dict), Padded({"f2x", "f3x", "f4x", "f5x", "f6x", "f7x", "f8x", "f9x", "f10x", "f11x"}));
}

TEST(Neighbours, PadNeighboursAlone)
{
    CDictionary dict;
    dict.m_strNeighbours[4] = "abc";
    dict.m_strNeighbours[7] = "a";
    dict.PadNeighbours();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(dict.m_strNeighbours[i], i == 4 ? "abc" : i == 7 ? "a  " : "   ");
}

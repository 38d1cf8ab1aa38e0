// The rows the History window shows: one per word whatever its letter case,
// counted, starred, deleted, cleared; and the capped journal they compact to.
#include "notebook/History.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace notebook;

namespace {

std::string Lookup(Time time, const std::string& word, const std::string& translation = u8"превод")
{
    return EncodeLookup(time, word, WordKey(word), translation, "", "Chapter 7.pdf - Adobe Acrobat Reader");
}

std::vector<std::string> WordsOf(const History& history)
{
    std::vector<std::string> words;
    for (const Row& row : history.Rows())
        words.push_back(row.word + (row.starred ? "*" : ""));
    return words;
}

TEST(History, LookupsOfAWordInAnyCaseCountInOneRowThatKeepsTheLatest)
{
    const History history = ReadHistory(Lookup(20, "House", u8"къща") + Lookup(10, "garden")
                                        + Lookup(30, "house", u8"дом") + Lookup(25, "HOUSE", u8"жилище"))
                                .history;
    ASSERT_EQ(history.Size(), 2u);
    const Row* row = history.Find("hOuSe");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->count, 3u);
    EXPECT_EQ(row->word, "HOUSE") << "the spelling of the latest lookup";
    EXPECT_EQ(row->translation, u8"жилище");
    EXPECT_EQ(row->firstSeen, 20u);
    EXPECT_EQ(row->lastSeen, 30u) << "a clock set back moves no time backwards";
    EXPECT_EQ(history.Find("garden")->count, 1u);
    EXPECT_EQ(history.Find("Gardens"), nullptr);
    EXPECT_EQ(WordsOf(history), (std::vector<std::string>{"HOUSE", "garden"})) << "newest first";
}

TEST(History, StarsDeletionsAndClearAreAppliedInOrder)
{
    const std::string three = Lookup(1, "house") + Lookup(2, "garden") + Lookup(3, "door");
    const struct {
        const char* what;
        std::string records;
        std::vector<std::string> rows;
    } cases[] = {
        {"a star", EncodeStar(4, "Garden", true), {"door", "garden*", "house"}},
        {"a star taken away", EncodeStar(4, "garden", true) + EncodeStar(5, "garden", false),
         {"door", "garden", "house"}},
        {"a star on a word not there", EncodeStar(4, "roof", true), {"door", "garden", "house"}},
        {"a deletion", EncodeDelete(4, "HOUSE"), {"door", "garden"}},
        {"a deleted word looked up again starts over", EncodeDelete(4, "house") + Lookup(5, "house"),
         {"house", "door", "garden"}},
        {"a starred word deleted", EncodeStar(4, "door", true) + EncodeDelete(5, "door"), {"garden", "house"}},
        {"a clear, starred words too", EncodeStar(4, "door", true) + EncodeClear(5), {}},
        {"a clear, then a lookup", EncodeClear(5) + Lookup(6, "roof"), {"roof"}},
        {"a star keeps through lookups", EncodeStar(4, "house", true) + Lookup(6, "House"),
         {"House*", "door", "garden"}},
    };
    for (const auto& c : cases) {
        const HistoryRead read = ReadHistory(three + c.records);
        EXPECT_FALSE(read.damaged) << c.what;
        EXPECT_EQ(WordsOf(read.history), c.rows) << c.what;
    }
    const HistoryRead again = ReadHistory(three + Lookup(4, "house"));
    EXPECT_EQ(again.history.Find("house")->count, 2u) << "a deletion is what resets the count";
}

// The cap: starred words always stay, then the newest unstarred ones fill
// it; the compacted journal reads back to exactly those rows.
TEST(History, CompactingKeepsStarredWordsAndTheNewestUpToTheCap)
{
    std::string bytes;
    for (int i = 0; i < 10; ++i)
        bytes += Lookup(100 + i, "w" + std::to_string(i)) + Lookup(200 + i, "w" + std::to_string(i));
    bytes += EncodeStar(300, "w0", true) + EncodeStar(300, "w1", true);
    const History history = ReadHistory(bytes).history;
    const struct {
        std::size_t cap;
        std::vector<std::string> rows;
    } cases[] = {
        {5, {"w9", "w8", "w7", "w1*", "w0*"}},
        {2, {"w1*", "w0*"}},
        {1, {"w1*", "w0*"}},
        {0, {"w1*", "w0*"}},
        {10, WordsOf(history)},
        {50, WordsOf(history)},
    };
    for (const auto& c : cases) {
        const HistoryRead read = ReadHistory(history.Compact(c.cap));
        EXPECT_FALSE(read.damaged) << c.cap;
        EXPECT_EQ(WordsOf(read.history), c.rows) << c.cap;
        for (const Row& row : read.history.Rows())
            EXPECT_EQ(row, *history.Find(row.word)) << c.cap << " " << row.word;
    }
    const History compacted = ReadHistory(history.Compact(5) + Lookup(400, "w8")).history;
    EXPECT_EQ(compacted.Find("w8")->count, 3u) << "a compacted journal is appended to like any";
}

// Typical rows: a word, its entry, a translation's first reading in
// Bulgarian, how the entry is said, a window title.
TEST(History, TenThousandTypicalWordsCompactToUnderOneAndAHalfMegabytes)
{
    const char* titles[] = {"Chapter 7.pdf - Adobe Acrobat Reader", "Document1 - Microsoft Word",
                            "The Guardian - Mozilla Firefox", "notes.txt - Notepad"};
    std::string bytes;
    for (int i = 0; i < 10000; ++i) {
        const std::string word = "wordy" + std::to_string(i);
        bytes += EncodeLookup(1'760'000'000 + i * 60, word, word, u8"дума, слово; изказване", u8"/ˈwɜːdi/",
                              titles[i % 4]);
        if (i % 3 == 0)
            bytes += EncodeLookup(1'770'000'000 + i * 60, word, word, u8"дума, слово; изказване", u8"/ˈwɜːdi/",
                                  titles[i % 4]);
        if (i % 10 == 0)
            bytes += EncodeStar(1'780'000'000, word, true);
    }
    const History history = ReadHistory(bytes).history;
    ASSERT_EQ(history.Size(), 10000u);
    const std::string compacted = history.Compact(DEFAULT_MAX_WORDS);
    RecordProperty("compacted_bytes", static_cast<int>(compacted.size()));
    std::printf("10000 words: journal %zu bytes, compacted %zu bytes\n", bytes.size(), compacted.size());
    EXPECT_LT(compacted.size(), 1'500'000u);
    EXPECT_EQ(ReadHistory(compacted).history.Size(), 10000u);
}

} // namespace

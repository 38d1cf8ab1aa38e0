#include "dictionary/Dictionary.h"
#include "tests/dictionary/DictionaryBuilder.h"
#include "tests/dictionary/TempFile.h"
#include "tests/support/Cp1251Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::string;
using support::RecordBytes;

void Load(CDictionary& dict, const TempFile& file)
{
    FILE* f = file.Open("rb");
    ASSERT_NE(f, nullptr);
    dict.LoadFile(f);
    std::fclose(f);
}

std::vector<std::pair<std::string, std::string>> Pairs(const CDictionary& dict)
{
    std::vector<std::pair<std::string, std::string>> out;
    for (const CDictionary::Entry* e = dict.GetHead(); e; e = e->pNext)
        out.emplace_back(e->pair.GetWord(), e->pair.GetTranslation());
    return out;
}

using PairList = std::vector<std::pair<std::string, std::string>>;

} // namespace

TEST(InvertBytes, ComplementsAndTerminates)
{
    char buffer[5] = {'a', '\x00', '\xFF', '\x80', 'z'};
    CDictionary::InvertBytes(buffer, 4);
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), 0x9E);
    EXPECT_EQ(static_cast<unsigned char>(buffer[1]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(buffer[2]), 0x00);
    EXPECT_EQ(static_cast<unsigned char>(buffer[3]), 0x7F);
    EXPECT_EQ(buffer[4], '\0');   // the NUL goes at position n
}

TEST(InvertBytes, SameCallDecodes)
{
    const std::string original = u8"Ab, Яя"_cp1251;
    std::vector<char> buffer(original.begin(), original.end());
    buffer.push_back('\0');
    const int n = static_cast<int>(original.size());
    CDictionary::InvertBytes(buffer.data(), n);
    EXPECT_NE(std::string(buffer.data(), original.size()), original);
    CDictionary::InvertBytes(buffer.data(), n);
    EXPECT_EQ(std::string(buffer.data()), original);
}

TEST(WriteRecord, WritesTheExactBytes)
{
    TempFile file;
    CDictionary dict;
    WordPair pair("abc", "x");
    FILE* f = file.Open("ab");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(dict.WriteRecord(pair, f), 8);
    std::fclose(f);
    EXPECT_EQ(file.Read(), Bytes("\x03\x00\x9E\x9D\x9C\x01\x00\x87", 8));
    // The pair itself stays plain, and writing adds nothing to the list.
    EXPECT_STREQ(pair.GetWord(), "abc");
    EXPECT_STREQ(pair.GetTranslation(), "x");
    EXPECT_EQ(dict.m_nCount, 0);
}

TEST(WriteRecord, AppendsAfterExistingRecords)
{
    TempFile file;
    file.Write(RecordBytes("one", u8"едно"_cp1251));
    CDictionary dict;
    FILE* f = file.Open("ab");
    ASSERT_NE(f, nullptr);
    const std::string two = u8"две"_cp1251;
    EXPECT_EQ(dict.WriteRecord(WordPair("two", two.c_str()), f), 4 + 3 + 3);
    std::fclose(f);
    EXPECT_EQ(file.Read(), RecordBytes("one", u8"едно"_cp1251) + RecordBytes("two", u8"две"_cp1251));
}

TEST(WriteRecord, LengthsAreLittleEndianSixteenBit)
{
    TempFile file;
    CDictionary dict;
    const std::string longText(300, 'q');
    FILE* f = file.Open("ab");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(dict.WriteRecord(WordPair("w", longText.c_str()), f), 4 + 1 + 300);
    std::fclose(f);
    Bytes bytes = file.Read();
    ASSERT_EQ(bytes.size(), 305u);
    EXPECT_EQ((unsigned char)bytes[3], 300 & 0xFF);
    EXPECT_EQ((unsigned char)bytes[4], 300 >> 8);
}

TEST(WriteRecord, CutsATextTooLongForItsLengthField)
{
    TempFile file;
    CDictionary writer;
    const std::string longText(70000, 't');
    FILE* f = file.Open("ab");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(writer.WriteRecord(WordPair("long", longText.c_str()), f), 4 + 4 + 65535);
    writer.WriteRecord(WordPair("next", "n"), f);
    std::fclose(f);
    CDictionary dict;
    Load(dict, file);
    ASSERT_EQ(dict.m_nCount, 2);
    EXPECT_EQ(std::string(dict.GetHead()->pair.GetTranslation()), longText.substr(0, 65535));
    EXPECT_STREQ(dict.GetTail()->pair.GetWord(), "next");
    EXPECT_EQ(dict.GetTruncatedOffset(), -1);
}

TEST(LoadFile, ReadsTheEightByteRecord)
{
    TempFile file;
    file.Write(Bytes("\x03\x00\x9E\x9D\x9C\x01\x00\x87", 8));
    CDictionary dict;
    Load(dict, file);
    EXPECT_EQ(dict.m_nCount, 1);
    EXPECT_EQ(Pairs(dict), (PairList{{"abc", "x"}}));
    EXPECT_EQ(dict.GetTruncatedOffset(), -1);
}

TEST(LoadFile, RoundTripKeepsOrderAndEveryByte)
{
    const PairList pairs = {
        {"house", u8"къща, дом"_cp1251},
        {"line", u8"ред\r\nвтори ред"_cp1251},   // line breaks are stored as they are
        {"", "empty word"},
        {"no translation", ""},
        {"", ""},
        {"\x01\x7F\x80\xFE", "all kinds of bytes"},
    };
    TempFile file;
    CDictionary writer;
    FILE* f = file.Open("ab");
    ASSERT_NE(f, nullptr);
    for (const auto& p : pairs)
        writer.WriteRecord(WordPair(p.first.c_str(), p.second.c_str()), f);
    std::fclose(f);

    CDictionary dict;
    Load(dict, file);
    EXPECT_EQ(dict.m_nCount, static_cast<int>(pairs.size()));
    EXPECT_EQ(Pairs(dict), pairs);
}

TEST(LoadFile, LongestTextsRoundTrip)
{
    const std::string word(65535, 'w');
    const std::string translation(65535, '\xE4');
    TempFile file;
    CDictionary writer;
    FILE* f = file.Open("ab");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(writer.WriteRecord(WordPair(word.c_str(), translation.c_str()), f), 4 + 65535 * 2);
    std::fclose(f);
    CDictionary dict;
    Load(dict, file);
    ASSERT_EQ(dict.m_nCount, 1);
    EXPECT_EQ(dict.GetHead()->pair.GetWord(), word);
    EXPECT_EQ(dict.GetHead()->pair.GetTranslation(), translation);
}

TEST(LoadFile, EmptyFileAddsNothing)
{
    TempFile data, empty;
    data.Write(RecordBytes("a", "1") + RecordBytes("b", "2"));
    CDictionary dict;
    Load(dict, data);
    Load(dict, empty);
    EXPECT_EQ(dict.m_nCount, 2);
    EXPECT_EQ(Pairs(dict), (PairList{{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(dict.GetTruncatedOffset(), -1);
}

TEST(LoadFile, SecondFileFollowsTheFirst)
{
    TempFile data, user;
    data.Write(RecordBytes("a", "1") + RecordBytes("b", "2"));
    user.Write(RecordBytes("c", "3") + RecordBytes("a", "4"));
    CDictionary dict;
    Load(dict, data);
    Load(dict, user);
    EXPECT_EQ(dict.m_nCount, 4);
    EXPECT_EQ(Pairs(dict), (PairList{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"a", "4"}}));
}

TEST(LoadFile, StoredFFDecodesToNulAndEndsTheText)
{
    // Plain bytes 00 in the middle of a text are stored as FF.
    TempFile file;
    file.Write(RecordBytes(std::string("ab\0cd", 5), std::string("\0hidden", 7)) + RecordBytes("next", "n"));
    CDictionary dict;
    Load(dict, file);
    ASSERT_EQ(dict.m_nCount, 2);
    EXPECT_STREQ(dict.GetHead()->pair.GetWord(), "ab");
    EXPECT_STREQ(dict.GetHead()->pair.GetTranslation(), "");
    EXPECT_STREQ(dict.GetTail()->pair.GetWord(), "next");
    EXPECT_EQ(dict.Lookup("ab"), dict.GetHead()->pair.GetTranslation());
}

TEST(LoadFile, ListLinksBothWays)
{
    CDictionary dict;
    TempFile file;
    Bytes bytes;
    for (int i = 0; i < 37; ++i) {   // several blocks of ten and a partly used one
        bytes += RecordBytes("w" + std::to_string(i), "t" + std::to_string(i));
    }
    file.Write(bytes);
    Load(dict, file);
    const std::string added = u8"добавена"_cp1251;
    dict.AddPair("added", added.c_str());
    ASSERT_EQ(dict.m_nCount, 38);
    int n = 0;
    const CDictionary::Entry* last = nullptr;
    for (const CDictionary::Entry* e = dict.GetHead(); e; last = e, e = e->pNext, ++n) {
        EXPECT_EQ(e->pPrev, last);
        if (n < 37) {
            EXPECT_EQ(e->pair.GetWord(), "w" + std::to_string(n));
        }
    }
    EXPECT_EQ(n, 38);
    EXPECT_EQ(last, dict.GetTail());
    EXPECT_STREQ(dict.GetTail()->pair.GetWord(), "added");
    EXPECT_EQ(dict.GetHead()->pPrev, nullptr);
}

// A record cut short by the end of the file is dropped; the records before it stay.
class Truncated : public ::testing::TestWithParam<int> {};

TEST_P(Truncated, DropsTheCutRecordKeepsTheOthers)
{
    const Bytes whole = RecordBytes("first", u8"първи"_cp1251) + RecordBytes("second", u8"втори"_cp1251);
    const Bytes last = RecordBytes("cut", u8"отрязан"_cp1251);
    Bytes bytes = whole;
    bytes += last.substr(0, GetParam());
    TempFile file;
    file.Write(bytes);
    CDictionary dict;
    Load(dict, file);
    EXPECT_EQ(dict.m_nCount, 2);
    EXPECT_EQ(Pairs(dict), (PairList{{"first", u8"първи"_cp1251}, {"second", u8"втори"_cp1251}}));
    EXPECT_EQ(dict.GetTruncatedOffset(), static_cast<long long>(whole.size()));
}

// 1: half a word length; 3: part of the word; 5: word but no translation
// length; 6: half of it; 8: part of the translation; 13: one byte short.
INSTANTIATE_TEST_SUITE_P(AtEveryField, Truncated, ::testing::Values(1, 2, 3, 5, 6, 7, 8, 13));

TEST(LoadFile, TruncationMarkClearsOnTheNextCleanFile)
{
    TempFile cut, clean;
    cut.Write(Bytes("\x05\x00\x9E", 3));
    clean.Write(RecordBytes("a", "b"));
    CDictionary dict;
    Load(dict, cut);
    EXPECT_EQ(dict.GetTruncatedOffset(), 0);
    EXPECT_EQ(dict.m_nCount, 0);
    Load(dict, clean);
    EXPECT_EQ(dict.GetTruncatedOffset(), -1);
    EXPECT_EQ(dict.m_nCount, 1);
}

TEST(LoadFile, RecordsSpanningTheReadBuffer)
{
    // Enough records that fields cross the loader's internal read pieces.
    TempFile file;
    Bytes bytes;
    PairList expected;
    for (int i = 0; i < 5000; ++i) {
        std::string w = "word" + std::to_string(i * 7919 % 100003);
        std::string t(static_cast<size_t>(i % 61), static_cast<char>('a' + i % 26));
        bytes += RecordBytes(w, t);
        expected.emplace_back(w, t);
    }
    file.Write(bytes);
    CDictionary dict;
    Load(dict, file);
    EXPECT_EQ(Pairs(dict), expected);
    EXPECT_EQ(dict.GetTruncatedOffset(), -1);
}

TEST(AddPair, EntriesComeInBlocksOfTen)
{
    CDictionary dict;
    Filler(dict, 35);
    std::vector<const CDictionary::Entry*> entries;
    for (const CDictionary::Entry* e = dict.GetHead(); e; e = e->pNext)
        entries.push_back(e);
    ASSERT_EQ(entries.size(), 35u);
    // Within a block the entries lie side by side, in list order.
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (i % 10 != 0) {
            EXPECT_EQ(entries[i], entries[i - 1] + 1) << i;
        }
    }
    // Adding more keeps earlier entries where they are.
    Filler(dict, 100, "g");
    int n = 0;
    for (const CDictionary::Entry* e = dict.GetHead(); n < 35; e = e->pNext, ++n)
        EXPECT_EQ(e, entries[static_cast<std::size_t>(n)]);
}

TEST(AddPair, AppendsCopiesAtTheTail)
{
    CDictionary dict;
    const std::string cat = u8"котка"_cp1251;
    const std::string bat = u8"прилеп"_cp1251;
    char word[] = "cat";
    dict.AddPair(word, cat.c_str());
    word[0] = 'b';
    dict.AddPair(word, bat.c_str());
    EXPECT_EQ(dict.m_nCount, 2);
    EXPECT_EQ(Pairs(dict), (PairList{{"cat", u8"котка"_cp1251}, {"bat", u8"прилеп"_cp1251}}));
}

TEST(CDictionary, StartsEmpty)
{
    CDictionary dict;
    EXPECT_EQ(dict.m_nCount, 0);
    EXPECT_EQ(dict.GetHead(), nullptr);
    EXPECT_EQ(dict.GetTail(), nullptr);
    for (const std::string& s : dict.m_strNeighbours)
        EXPECT_TRUE(s.empty());
}

#include "dictionary/Dictionary.h"
#include "tests/dictionary/DictionaryBuilder.h"
#include "tests/support/Cp1251Text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Hex(const char* text)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (!out.empty())
            out += ' ';
        out += digits[*p >> 4];
        out += digits[*p & 15];
    }
    return out;
}

// A word stored twice, once near the head and once near the tail, tells
// from which end a lookup searched.
class Directions : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(dict, {{"jam", "head jam"}, {"kite", "head kite"}, {"apple", "head apple"},
                    {"ice-cream", "head ice-cream"}, {"caf", "head caf"}, {"J", "head J"}, {"K", "head K"}});
        Filler(dict, 3);
        Fill(dict, {{"jam", "tail jam"}, {"kite", "tail kite"}, {"apple", "tail apple"},
                    {"ice-cream", "tail ice-cream"}, {"caf", "tail caf"}, {"J", "tail J"}, {"K", "tail K"}});
    }
    CDictionary dict;
};

} // namespace

TEST(FixedMessages, AreWindows1251)
{
    EXPECT_EQ(Hex(CDictionary::MSG_NOT_FOUND), "CD FF EC E0 20 F2 E0 EA E0 E2 E0 20 E4 F3 EC E0");
    EXPECT_EQ(Hex(CDictionary::MSG_EMPTY_QUERY), "CD FF EC E0 20 F2 E0 EA E0 E2 E0 20 E4 F3 EC E0 20 E2 20 C1 C4 21");
}

TEST(Lookup, EmptyQuery)
{
    CDictionary dict;
    Fill(dict, {{"", "empty word"}});
    EXPECT_EQ(dict.Lookup(""), CDictionary::MSG_EMPTY_QUERY);
}

TEST(Lookup, EmptyDictionary)
{
    CDictionary dict;
    EXPECT_EQ(dict.Lookup("word"), CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(dict.Lookup("zebra"), CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(dict.Lookup("(word)"), CDictionary::MSG_NOT_FOUND);
}

TEST(Lookup, ReturnsTheEntrysOwnText)
{
    CDictionary dict;
    Fill(dict, {{"table", u8"маса"_cp1251}, {"zebra", u8"зебра"_cp1251}});
    EXPECT_EQ(dict.Lookup("table"), dict.GetHead()->pair.GetTranslation());
    EXPECT_EQ(dict.Lookup("zebra"), dict.GetTail()->pair.GetTranslation());
}

TEST(Lookup, ResultStaysValidWhileTheDictionaryGrows)
{
    CDictionary dict;
    Fill(dict, {{"table", u8"маса"_cp1251}});
    const char* result = dict.Lookup("table");
    Filler(dict, 5000);   // the way "Add New Word" grows it during a run
    EXPECT_EQ(result, u8"маса"_cp1251);
    EXPECT_EQ(dict.Lookup("TABLE"), result);
}

TEST(Lookup, FoldsAsciiCaseBothWays)
{
    CDictionary dict;
    Fill(dict, {{"table", u8"маса"_cp1251}, {"Zebra", u8"зебра"_cp1251}});
    EXPECT_EQ(dict.Lookup("Table"), u8"маса"_cp1251);
    EXPECT_EQ(dict.Lookup("table"), u8"маса"_cp1251);
    EXPECT_EQ(dict.Lookup("TABLE"), u8"маса"_cp1251);
    EXPECT_EQ(dict.Lookup("tAbLe"), u8"маса"_cp1251);
    EXPECT_EQ(dict.Lookup("zebra"), u8"зебра"_cp1251);
    EXPECT_EQ(dict.Lookup("ZEBRA"), u8"зебра"_cp1251);
}

TEST(Lookup, DoesNotFoldOtherBytes)
{
    CDictionary dict;
    // x<А>y (0xC0) and x<а>y (0xE0): Cyrillic case is not folded.
    Fill(dict, {{"x\xC0y", "upper"}, {"a[b", "bracket"}});
    EXPECT_EQ(dict.Lookup("x\xE0y"), CDictionary::MSG_NOT_FOUND);
    EXPECT_STREQ(dict.Lookup("x\xC0y"), "upper");
    // '[' and '{' differ by 0x20 like letters do, but are no letters.
    EXPECT_EQ(dict.Lookup("a{b"), CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(dict.Lookup("A[B"), dict.GetTail()->pair.GetTranslation());
}

TEST(Lookup, NeedsTheWholeWord)
{
    CDictionary dict;
    Fill(dict, {{"house", u8"къща"_cp1251}, {"housework", u8"домакинска работа"_cp1251}});
    EXPECT_EQ(dict.Lookup("hous"), CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(dict.Lookup("houses"), CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(dict.Lookup("housework"), u8"домакинска работа"_cp1251);
    EXPECT_EQ(dict.Lookup("Iouse"), CDictionary::MSG_NOT_FOUND);   // first byte differs
}

TEST_F(Directions, AToJSearchFromTheHead)
{
    EXPECT_STREQ(dict.Lookup("jam"), "head jam");
    EXPECT_STREQ(dict.Lookup("Jam"), "head jam");
    EXPECT_STREQ(dict.Lookup("apple"), "head apple");
    EXPECT_STREQ(dict.Lookup("J"), "head J");
    EXPECT_STREQ(dict.Lookup("j"), "head J");
}

TEST_F(Directions, KToZSearchFromTheTail)
{
    EXPECT_STREQ(dict.Lookup("kite"), "tail kite");
    EXPECT_STREQ(dict.Lookup("Kite"), "tail kite");
    EXPECT_STREQ(dict.Lookup("K"), "tail K");
    EXPECT_STREQ(dict.Lookup("k"), "tail K");
}

TEST_F(Directions, TrimmedQueriesSearchFromTheTail)
{
    EXPECT_STREQ(dict.Lookup("apple,"), "tail apple");
    EXPECT_STREQ(dict.Lookup("(apple)"), "tail apple");
    EXPECT_STREQ(dict.Lookup("  jam. "), "tail jam");
    EXPECT_STREQ(dict.Lookup("caf\xE9"), "tail caf");   // café in Windows-1252 bytes
    EXPECT_STREQ(dict.Lookup("\xE9" "caf"), "tail caf");
    EXPECT_STREQ(dict.Lookup("\"kite\""), "tail kite");
}

TEST_F(Directions, InnerNonLettersStay)
{
    EXPECT_STREQ(dict.Lookup("ice-cream"), "head ice-cream");
    EXPECT_STREQ(dict.Lookup("(ice-cream)"), "tail ice-cream");
    EXPECT_EQ(dict.Lookup("icecream"), CDictionary::MSG_NOT_FOUND);
}

TEST(Lookup, NoLettersTrimToTheEmptyWord)
{
    CDictionary dict;
    Fill(dict, {{"a", "1"}});
    EXPECT_EQ(dict.Lookup("123"), CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(dict.Lookup("..."), CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(dict.Lookup(" "), CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(dict.Lookup("\xCA\xFA\xF9\xE0"), CDictionary::MSG_NOT_FOUND);   // къща
    dict.AddPair("", "empty word");
    EXPECT_STREQ(dict.Lookup("123"), "empty word");
    EXPECT_STREQ(dict.Lookup("\xCA\xFA\xF9\xE0"), "empty word");
}

TEST(Lookup, DuplicatesAcrossBaseAndUserFiles)
{
    CDictionary dict;
    Fill(dict, {{"bank", u8"банка"_cp1251}, {"river", u8"река"_cp1251}, {"zone", u8"зона"_cp1251}});
    Fill(dict, {{"bank", u8"бряг"_cp1251}, {"zone", u8"пояс"_cp1251}});   // the user's pairs come after
    EXPECT_EQ(dict.Lookup("bank"), u8"банка"_cp1251);     // forward: the base pair wins
    EXPECT_EQ(dict.Lookup("bank!"), u8"бряг"_cp1251);     // trimmed: from the tail
    EXPECT_EQ(dict.Lookup("zone"), u8"пояс"_cp1251);      // backward: the user's pair wins
}

TEST(Helpers, HasLetterEnds)
{
    EXPECT_TRUE(CDictionary::HasLetterEnds("a"));
    EXPECT_TRUE(CDictionary::HasLetterEnds("Zz"));
    EXPECT_TRUE(CDictionary::HasLetterEnds("ice-cream"));
    EXPECT_TRUE(CDictionary::HasLetterEnds("a b"));
    EXPECT_FALSE(CDictionary::HasLetterEnds("apple,"));
    EXPECT_FALSE(CDictionary::HasLetterEnds("(apple"));
    EXPECT_FALSE(CDictionary::HasLetterEnds("1"));
    EXPECT_FALSE(CDictionary::HasLetterEnds("caf\xE9"));
    EXPECT_FALSE(CDictionary::HasLetterEnds("@"));   // just below 'A'
    EXPECT_FALSE(CDictionary::HasLetterEnds("["));   // just after 'Z'
    EXPECT_FALSE(CDictionary::HasLetterEnds("`"));   // just below 'a'
    EXPECT_FALSE(CDictionary::HasLetterEnds("{"));   // just after 'z'
}

TEST(Helpers, StartsBeforeK)
{
    for (char c = 'a'; c <= 'j'; ++c) {
        EXPECT_TRUE(CDictionary::StartsBeforeK(c)) << c;
        EXPECT_TRUE(CDictionary::StartsBeforeK(static_cast<char>(c - 32))) << c;
    }
    for (char c = 'k'; c <= 'z'; ++c) {
        EXPECT_FALSE(CDictionary::StartsBeforeK(c)) << c;
        EXPECT_FALSE(CDictionary::StartsBeforeK(static_cast<char>(c - 32))) << c;
    }
}

TEST(Helpers, TrimNonLetters)
{
    EXPECT_EQ(CDictionary::TrimNonLetters("apple,"), "apple");
    EXPECT_EQ(CDictionary::TrimNonLetters("(apple)"), "apple");
    EXPECT_EQ(CDictionary::TrimNonLetters("  \"x-1 y\".\r\n"), "x-1 y");
    EXPECT_EQ(CDictionary::TrimNonLetters("caf\xE9"), "caf");
    EXPECT_EQ(CDictionary::TrimNonLetters("123"), "");
    EXPECT_EQ(CDictionary::TrimNonLetters(""), "");
    EXPECT_EQ(CDictionary::TrimNonLetters("word"), "word");
}

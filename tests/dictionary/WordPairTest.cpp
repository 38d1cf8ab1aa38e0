#include "dictionary/WordPair.h"
#include "tests/support/Cp1251Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(WordPair, DefaultHoldsTwoEmptyStrings)
{
    WordPair pair;
    ASSERT_NE(pair.GetWord(), nullptr);
    ASSERT_NE(pair.GetTranslation(), nullptr);
    EXPECT_STREQ(pair.GetWord(), "");
    EXPECT_STREQ(pair.GetTranslation(), "");
}

TEST(WordPair, KeepsItsOwnCopies)
{
    char word[] = "house";
    std::string translation = u8"къща"_cp1251;
    WordPair pair(word, translation.c_str());
    word[0] = 'm';
    translation[0] = 'X';
    EXPECT_STREQ(pair.GetWord(), "house");
    EXPECT_EQ(pair.GetTranslation(), u8"къща"_cp1251);
}

TEST(WordPair, CopyIsDeep)
{
    const std::string translation = u8"маса"_cp1251;
    WordPair original("table", translation.c_str());
    WordPair copy(original);
    EXPECT_NE(copy.GetWord(), original.GetWord());
    EXPECT_NE(copy.GetTranslation(), original.GetTranslation());
    EXPECT_STREQ(copy.GetWord(), "table");
    EXPECT_EQ(copy.GetTranslation(), translation);
}

TEST(WordPair, AssignmentReplacesBothTexts)
{
    const std::string translation = u8"по-дълъг превод"_cp1251;
    WordPair target("a", "b");
    {
        WordPair source("longer word", translation.c_str());
        target = source;
        EXPECT_NE(target.GetWord(), source.GetWord());
    }
    // The source is gone: the target must still hold its own copies.
    EXPECT_STREQ(target.GetWord(), "longer word");
    EXPECT_EQ(target.GetTranslation(), translation);
}

TEST(WordPair, SelfAssignmentKeepsTexts)
{
    const std::string translation = u8"дума"_cp1251;
    WordPair pair("word", translation.c_str());
    WordPair& same = pair;
    pair = same;
    EXPECT_STREQ(pair.GetWord(), "word");
    EXPECT_EQ(pair.GetTranslation(), translation);
}

TEST(WordPair, BuiltFromLengthsTakesExactlyThoseBytes)
{
    WordPair pair("abcdef", 3, "xyz", 0);
    EXPECT_STREQ(pair.GetWord(), "abc");
    EXPECT_STREQ(pair.GetTranslation(), "");
}

#include "dictionary/WordPair.h"

#include <gtest/gtest.h>

#include <cstring>

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
    char translation[] = "къща";
    WordPair pair(word, translation);
    word[0] = 'm';
    translation[0] = 'X';
    EXPECT_STREQ(pair.GetWord(), "house");
    EXPECT_STREQ(pair.GetTranslation(), "къща");
}

TEST(WordPair, CopyIsDeep)
{
    WordPair original("table", "маса");
    WordPair copy(original);
    EXPECT_NE(copy.GetWord(), original.GetWord());
    EXPECT_NE(copy.GetTranslation(), original.GetTranslation());
    EXPECT_STREQ(copy.GetWord(), "table");
    EXPECT_STREQ(copy.GetTranslation(), "маса");
}

TEST(WordPair, AssignmentReplacesBothTexts)
{
    WordPair target("a", "b");
    {
        WordPair source("longer word", "по-дълъг превод");
        target = source;
        EXPECT_NE(target.GetWord(), source.GetWord());
    }
    // The source is gone: the target must still hold its own copies.
    EXPECT_STREQ(target.GetWord(), "longer word");
    EXPECT_STREQ(target.GetTranslation(), "по-дълъг превод");
}

TEST(WordPair, SelfAssignmentKeepsTexts)
{
    WordPair pair("word", "дума");
    WordPair& same = pair;
    pair = same;
    EXPECT_STREQ(pair.GetWord(), "word");
    EXPECT_STREQ(pair.GetTranslation(), "дума");
}

TEST(WordPair, BuiltFromLengthsTakesExactlyThoseBytes)
{
    WordPair pair("abcdef", 3, "xyz", 0);
    EXPECT_STREQ(pair.GetWord(), "abc");
    EXPECT_STREQ(pair.GetTranslation(), "");
}

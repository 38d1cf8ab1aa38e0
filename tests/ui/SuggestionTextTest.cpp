// The list's reading of a neighbour word, on Windows-1251 bytes.
#include "ui/SuggestionText.h"

#include <gtest/gtest.h>

TEST(SuggestionText, BlanksAroundTheWordGoAndThoseInsideStay)
{
    EXPECT_EQ(ListTextOf(" \t fig tree \r\n\v\f"), "fig tree");
    EXPECT_EQ(ListTextOf("      "), "");
    EXPECT_EQ(ListTextOf(""), "");
    EXPECT_FALSE(IsBlank('\0'));
    EXPECT_FALSE(IsBlank('\xA0')) << "a no-break space is a character of the word";
}

TEST(SuggestionText, LatinAndCyrillicCapitalsBecomeSmallLetters)
{
    EXPECT_EQ(ListTextOf("DOG Cat"), "dog cat");
    // ГРОЗДЕ, Ёж Їжак in Windows-1251.
    EXPECT_EQ(ListTextOf("\xC3\xD0\xCE\xC7\xC4\xC5"), "\xE3\xF0\xEE\xE7\xE4\xE5");
    EXPECT_EQ(ListTextOf("\xA8\xE6 \xAF\xE6\xE0\xEA "), "\xB8\xE6 \xBF\xE6\xE0\xEA");
}

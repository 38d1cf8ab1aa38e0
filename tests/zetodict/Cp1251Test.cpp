#include "dictionary/Cp1251.h"

#include <gtest/gtest.h>

// Literals: u8"…" stays UTF-8; plain "…" is compiled to Windows-1251.

TEST(Cp1251, AsciiAndCyrillic)
{
    const cp1251::Conversion c = cp1251::FromUtf8(u8"house къща ЯЁёЙ №");
    EXPECT_TRUE(c.validUtf8);
    EXPECT_EQ(c.unmapped, 0u);
    EXPECT_EQ(c.text, "house къща ЯЁёЙ №");
    EXPECT_EQ(c.text, "house \xEA\xFA\xF9\xE0 \xDF\xA8\xB8\xC9 \xB9");
}

TEST(Cp1251, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = cp1251::ToUtf8(all);
    const cp1251::Conversion back = cp1251::FromUtf8(utf8);
    EXPECT_TRUE(back.validUtf8);
    EXPECT_EQ(back.unmapped, 0u);
    EXPECT_EQ(back.text, all);
}

TEST(Cp1251, ToUtf8UsesTheCodePage)
{
    EXPECT_EQ(cp1251::ToUtf8("\xE4\xEE\xEC"), u8"дом");
    EXPECT_EQ(cp1251::ToUtf8("\x88\x85\x96"), u8"€…–");
    EXPECT_EQ(cp1251::ToUtf8("\xA5\xB4"), u8"Ґґ");
}

TEST(Cp1251, StressMarksAreDropped)
{
    const cp1251::Conversion c = cp1251::FromUtf8(u8"къ́ща, стопа́нство, ѝ, ѐ, Ѝ");
    EXPECT_EQ(c.unmapped, 0u);
    EXPECT_EQ(c.text, "къща, стопанство, и, е, И");
}

TEST(Cp1251, AcuteAndGraveLettersLoseTheAccent)
{
    const cp1251::Conversion c = cp1251::FromUtf8(u8"café à Łódź");
    // é, à, ó and ź lose their accent; Ł has no such form.
    EXPECT_EQ(c.text, "cafe a ?odz");
    EXPECT_EQ(c.unmapped, 1u);
}

TEST(Cp1251, OtherCharactersBecomeQuestionMarks)
{
    const cp1251::Conversion c = cp1251::FromUtf8(u8"Führer H₂O 😀");
    EXPECT_TRUE(c.validUtf8);
    EXPECT_EQ(c.text, "F?hrer H?O ?");
    EXPECT_EQ(c.unmapped, 3u);
}

TEST(Cp1251, MalformedUtf8IsReported)
{
    for (const char* bad : {"\x80", "a\xC3", "\xC0\x80", "\xED\xA0\x80", "\xF5\x80\x80\x80", "\xE2\x82"}) {
        const cp1251::Conversion c = cp1251::FromUtf8(bad);
        EXPECT_FALSE(c.validUtf8) << bad;
        EXPECT_NE(c.text.find('?'), std::string::npos);
    }
    EXPECT_TRUE(cp1251::FromUtf8("").validUtf8);
}

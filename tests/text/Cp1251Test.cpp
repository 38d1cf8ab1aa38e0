#include "text/Cp1251.h"
#include "text/Cp1251Literal.h"

#include <gtest/gtest.h>

#include <string>

// The run-time converter, for data.

TEST(Cp1251, AsciiAndCyrillic)
{
    const cp1251::Conversion c = cp1251::FromUtf8(u8"house къща ЯЁёЙ №");
    EXPECT_TRUE(c.validUtf8);
    EXPECT_EQ(c.unmapped, 0u);
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
    constexpr auto plain = cp1251::Literal(u8"къща, стопанство, и, е, И");
    EXPECT_EQ(c.text, plain.c_str());
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

// Zeto's own texts, converted by the compiler: the same bytes from GCC and
// clang, whatever their execution character set.
TEST(Cp1251Literal, GivesTheCodePageBytesAtCompileTime)
{
    constexpr auto text = cp1251::Literal(u8"Няма такава дума");
    static_assert(text.size() == 16, "one byte a letter");
    static_assert(text.c_str()[0] == '\xCD' && text.c_str()[16] == '\0', "converted by the compiler");
    EXPECT_EQ(std::string(text.c_str(), text.size()), "\xCD\xFF\xEC\xE0 \xF2\xE0\xEA\xE0\xE2\xE0 \xE4\xF3\xEC\xE0");

    // Both halves of the table, its gaps between the letters, and ASCII.
    constexpr auto mixed = cp1251::Literal(u8"Ђ‚€ЉЏ™ Ґ¤Ё№ё АЯая \"Ctrl + C\"!");
    EXPECT_EQ(std::string(mixed.c_str()),
              "\x80\x82\x88\x8A\x8F\x99 \xA5\xA4\xA8\xB9\xB8 \xC0\xDF\xE0\xFF \"Ctrl + C\"!");
    EXPECT_EQ(mixed.size(), std::string(mixed.c_str()).size());

    constexpr auto empty = cp1251::Literal(u8"");
    EXPECT_EQ(empty.size(), 0u);
    EXPECT_STREQ(empty.c_str(), "");
}

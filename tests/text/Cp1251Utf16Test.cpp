// Windows-1251 <-> UTF-16, the conversion at Zeto's windows.
#include "text/Cp1251Utf16.h"

#include <gtest/gtest.h>

#include <string>

TEST(Cp1251Utf16, EveryByteSurvivesTheRoundTripOneUnitEach)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::wstring wide = cp1251::ToUtf16(all);
    ASSERT_EQ(wide.size(), 256u);
    EXPECT_EQ(wide[0x98], L'\x0098');   // unassigned in Windows-1251, kept as itself
    EXPECT_EQ(cp1251::FromUtf16(wide), all);
}

TEST(Cp1251Utf16, BulgarianTakesItsCodePoints)
{
    EXPECT_EQ(cp1251::ToUtf16("\xEA\xFA\xF9\xE0 \xA8\xB9"), L"\x043A\x044A\x0449\x0430 \x0401\x2116");   // къща Ё№
    EXPECT_EQ(cp1251::FromUtf16(L"\x0441\x0442\x043E\x043F"), "\xF1\xF2\xEE\xEF");                      // стоп
}

TEST(Cp1251Utf16, CharactersTheCodePageLacksBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(cp1251::FromUtf16(L"\x00E9t\x4E2D"), "?t?");   // é, a CJK character
    // A surrogate pair (U+1F600) is one character; a lone surrogate is one too.
    EXPECT_EQ(cp1251::FromUtf16(std::wstring{L'a', wchar_t(0xD83D), wchar_t(0xDE00), L'b'}), "a?b");
    EXPECT_EQ(cp1251::FromUtf16(std::wstring{wchar_t(0xDE00), wchar_t(0xD83D)}), "??");
}

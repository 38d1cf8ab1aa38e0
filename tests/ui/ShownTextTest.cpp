// Where a pronunciation goes in a shown text, natively.
#include "tests/support/Cp1251Text.h"
#include "ui/ShownText.h"

#include <gtest/gtest.h>

TEST(ShownTextTest, ThePronunciationFollowsTheEntrysName)
{
    EXPECT_EQ(ShownText(u8"къща, дом"_cp1251, "house", u8"n. /haʊs/, v. /haʊz/"),
              L"house n. /haʊs/, v. /haʊz/: къща, дом")
        << "an answer that names no entry gets its name";
    EXPECT_EQ(ShownText(u8"house: къща"_cp1251, "house", u8"/haʊs/"), L"house /haʊs/: къща");
    EXPECT_EQ(ShownText(u8"see: виждам | saw: трион"_cp1251, "see", u8"/siː/"), L"see /siː/: виждам | saw: трион")
        << "only the name first";
    EXPECT_EQ(ShownText(u8"къща"_cp1251, "house", ""), L"къща") << "no pronunciation: the answer as it is";
    EXPECT_EQ(ShownText("", "zzz", u8"/z/"), L"") << "nothing found";
}

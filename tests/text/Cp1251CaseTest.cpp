// Windows-1251 capitals to small letters, byte by byte.
#include "text/Cp1251Case.h"

#include <gtest/gtest.h>

TEST(Cp1251Case, EveryByteBelowTheCapitalsOrAlreadySmallStaysAsItIs)
{
    for (int c = 0; c < 256; ++c) {
        unsigned char lower = ToLower1251((unsigned char)c);
        if (lower != c) {
            EXPECT_EQ(ToLower1251(lower), lower) << "a small letter has no smaller form: " << c;
        }
    }
    EXPECT_EQ(ToLower1251('a'), 'a');
    EXPECT_EQ(ToLower1251('['), '[');
    EXPECT_EQ(ToLower1251(0xFF), 0xFF);   // я
    EXPECT_EQ(ToLower1251(0xDF), 0xFF);   // Я
    EXPECT_EQ(ToLower1251(0x80), 0x90);   // Ђ
}

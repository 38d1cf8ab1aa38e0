#include "tools/zetodict/Escape.h"

#include <gtest/gtest.h>

TEST(TsvField, EscapesTheFourSpecialBytes)
{
    EXPECT_EQ(escape::TsvField("a\tb\rc\nd\\e"), "a\\tb\\rc\\nd\\\\e");
    EXPECT_EQ(escape::TsvField("plain"), "plain");
}

TEST(TsvField, RoundTripsEveryByte)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string field = escape::TsvField(all);
    EXPECT_EQ(field.find('\t'), std::string::npos);
    EXPECT_EQ(field.find('\n'), std::string::npos);
    EXPECT_EQ(field.find('\r'), std::string::npos);
    std::string back, error;
    ASSERT_TRUE(escape::UnescapeTsvField(field, &back, &error)) << error;
    EXPECT_EQ(back, all);
}

TEST(TsvField, RejectsUnknownEscapes)
{
    std::string text, error;
    EXPECT_FALSE(escape::UnescapeTsvField("C:\\dir", &text, &error));
    EXPECT_NE(error.find("\\d"), std::string::npos);
    EXPECT_FALSE(escape::UnescapeTsvField("end\\", &text, &error));
    EXPECT_NE(error.find("end of a field"), std::string::npos);
    EXPECT_TRUE(escape::UnescapeTsvField("\\\\d", &text, &error));
    EXPECT_EQ(text, "\\d");
}

TEST(JsonString, QuotesAndEscapes)
{
    EXPECT_EQ(escape::JsonString(""), "\"\"");
    EXPECT_EQ(escape::JsonString("say \"hi\"\\"), "\"say \\\"hi\\\"\\\\\"");
    EXPECT_EQ(escape::JsonString("a\nb\rc\td"), "\"a\\nb\\rc\\td\"");
    EXPECT_EQ(escape::JsonString(std::string("\x01\x1F\x7F", 3)), "\"\\u0001\\u001f\\u007f\"");
    EXPECT_EQ(escape::JsonString(u8"къща"), std::string("\"") + u8"къща" + "\"");
}

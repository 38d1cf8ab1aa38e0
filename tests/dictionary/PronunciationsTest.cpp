#include "dictionary/Pronunciations.h"

#include "dictionary/FileHash.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

using Item = CPronunciations::Item;
using Reading = CPronunciations::Reading;

const std::vector<Item> ITEMS = {
    {"house", "n", u8"haʊs"},   {"house", "v", u8"haʊz"},  {"house", "n", u8"hʌʊs"},
    {"church service", "n", u8"tʃˈɜːtʃ sˈɜːvɪs"},          {"Adam", "", u8"ˈædəm"},
    {"bad\ttab", "n", "x"},     {"empty", "n", ""},         {"long", "n", std::string(300, 'a')},
};

} // namespace

TEST(Pronunciations, EachPartOfSpeechKeepsItsFirstReading)
{
    CPronunciations file;
    ASSERT_TRUE(file.Load(CPronunciations::Build(ITEMS)));
    EXPECT_EQ(file.Count(), 3u) << "items with a field the file cannot hold are left out";
    const std::vector<Reading> house{{"n", u8"haʊs"}, {"v", u8"haʊz"}}, adam{{"", u8"ˈædəm"}};
    EXPECT_EQ(file.Of("house"), house);
    EXPECT_EQ(file.Of("Adam"), adam);
    EXPECT_EQ(file.Of("church service").size(), 1u);
    for (const char* none : {"adam", "hous", "houses", "", "zzz"})
        EXPECT_TRUE(file.Of(none).empty()) << none;
    EXPECT_EQ(CPronunciations::Build(file.Items()), CPronunciations::Build(ITEMS)) << "the items come back";
}

TEST(Pronunciations, ReadingsAreSaidWithTheirPartsOfSpeechOnlyWhereTheyDiffer)
{
    CPronunciations file;
    ASSERT_TRUE(file.Load(CPronunciations::Build({{"house", "n", u8"haʊs"}, {"house", "v", u8"haʊz"},
                                                  {"live", "adj", u8"laɪv"}, {"live", "v", u8"lɪv"},
                                                  {"live", "adv", u8"laɪv"}, {"read", "n", u8"ɹid"},
                                                  {"read", "v", u8"ɹid"}, {"Adam", "", u8"ˈædəm"}})));
    EXPECT_EQ(file.Said("house"), u8"n. /haʊs/, v. /haʊz/");
    EXPECT_EQ(file.Said("live"), u8"adj. adv. /laɪv/, v. /lɪv/");
    EXPECT_EQ(file.Said("read"), u8"/ɹid/");
    EXPECT_EQ(file.Said("Read"), u8"/ɹid/") << "a capital at a sentence's start";
    EXPECT_EQ(file.Said("Adam"), u8"/ˈædəm/");
    EXPECT_EQ(file.Said("adam"), "") << "only capitals are lowered";
    EXPECT_EQ(CPronunciations().Said("house"), "") << "nothing loaded";
}

TEST(Pronunciations, ADamagedFileIsRefusedWhole)
{
    const std::string good = CPronunciations::Build(ITEMS);
    const std::size_t body = good.find('\n') + 1;
    std::vector<std::string> damaged = {
        "",
        good.substr(0, good.size() - 1),                                  // cut
        "wordlumo-pron 2" + good.substr(15),                              // another version
        good.substr(0, body + 3) + "X" + good.substr(body + 4),          // a changed byte
    };
    // With a header made to match, only the rules can refuse: lines out of
    // order, a part of speech without its IPA, a reading cut short, a
    // control character, an empty IPA, a part of speech twice.
    auto framed = [](const std::string& lines) {
        char header[64];
        std::snprintf(header, sizeof header, "wordlumo-pron 1 %zu %08x\n",
                      static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n')),
                      static_cast<unsigned>(Fnv1a(lines)));
        return header + lines;
    };
    EXPECT_TRUE(CPronunciations().Load(framed("a\tn\tx\nb\t\ty\n")));
    for (const char* lines : {"b\tn\tx\na\tn\tx\n", "a\tn\n", "a\tn\tx\ty\n", "a\tn\tx\x01\n", "a\tn\t\n",
                              "a\tn\tx\tn\ty\n"})
        damaged.push_back(framed(lines));
    for (const std::string& bytes : damaged) {
        CPronunciations file;
        EXPECT_FALSE(file.Load(bytes)) << bytes;
        EXPECT_EQ(file.Count(), 0u);
    }
}

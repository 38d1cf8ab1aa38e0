// Ranking equivalents by triangulation, on small made-up dictionaries.
#include "tests/support/Cp1251Text.h"
#include "tools/zetodict/FreeDictEntry.h"
#include "tools/zetodict/Headword.h"
#include "tools/zetodict/Pivots.h"
#include "tools/zetodict/SourceRecord.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Base64(std::size_t n)
{
    static const char DIGITS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string s;
    do {
        s.insert(s.begin(), DIGITS[n % 64]);
        n /= 64;
    } while (n);
    return s;
}

// A dictd dictionary from its entries' texts, indexed by their first word.
PivotSupport::Dictionary Dictd(const std::vector<std::string>& entries)
{
    std::string text;
    std::string index;
    for (const std::string& e : entries) {
        index += e.substr(0, e.find_first_of(" \n")) + "\t" + Base64(text.size()) + "\t" + Base64(e.size()) + "\n";
        text += e;
    }
    PivotSupport::Dictionary d;
    std::istringstream in(index);
    std::string error;
    EXPECT_TRUE(d.Parse(in, "x.index", text, "x.dict", &error)) << error;
    return d;
}

// house: FreeDict's order puts стопанство first; the pivots decide.
Headword House()
{
    Headword h("house");
    h.Add(FreeDictEntry::Parse(u8"house <n>\n1. стопа́нство, къща\nbusiness\n2. дом\nabode\n"));
    h.Add(FreeDictEntry::Parse(u8"house <v>\nподслонявам\n"));
    return h;
}

std::string Ranked(const PivotSupport& pivots)
{
    Headword h = House();
    RankByPivots(h, "house", pivots);
    return h.Translation();
}

} // namespace

TEST(Rank, PivotsThatAgreePutTheirReadingFirst)
{
    PivotSupport pivots;
    std::string error;
    ASSERT_TRUE(pivots.AddLanguage("deu", Dictd({"house\nHaus <neut>\n"}), Dictd({u8"haus\n1. къ́ща, дом\n"}), &error));
    ASSERT_TRUE(pivots.AddLanguage("fra", Dictd({"house\nmaison\n"}), Dictd({u8"maison\nкъща\n"}), &error));
    EXPECT_EQ(Ranked(pivots), u8"къща, дом, стопанство; подслонявам"_cp1251);
    EXPECT_EQ(pivots.Languages("House", u8"Къща (жилище)"_cp1251), 3u) << "case and parentheses do not count";
    EXPECT_EQ(pivots.Languages("house", u8"дом"_cp1251), 1u);
}

TEST(Rank, PivotsThatDisagreeTieAndKeepFreeDictsOrder)
{
    PivotSupport pivots;
    std::string error;
    ASSERT_TRUE(pivots.AddLanguage("deu", Dictd({"house\nHeim\n"}), Dictd({u8"heim\nдом\n"}), &error));
    ASSERT_TRUE(pivots.AddLanguage("fra", Dictd({"house\nmaison\n"}), Dictd({u8"maison\nкъща\n"}), &error));
    EXPECT_EQ(Ranked(pivots), u8"къща, дом, стопанство; подслонявам"_cp1251);
}

TEST(Rank, WithoutSupportNothingMoves)
{
    PivotSupport none;
    EXPECT_EQ(Ranked(none), u8"стопанство, къща, дом; подслонявам"_cp1251);
    PivotSupport unrelated;
    std::string error;
    ASSERT_TRUE(unrelated.AddLanguage("deu", Dictd({"tree\nBaum\n"}), Dictd({u8"baum\nдърво\n"}), &error));
    EXPECT_EQ(Ranked(unrelated), u8"стопанство, къща, дом; подслонявам"_cp1251);
}

TEST(Rank, PartsOfSpeechFollowTheirBestEquivalent)
{
    Headword go("go");
    go.Add(FreeDictEntry::Parse(u8"go <n>\nго\n"));
    go.Add(FreeDictEntry::Parse(u8"go <v>\nяздя, отивам\n"));
    PivotSupport pivots;
    std::string error;
    ASSERT_TRUE(pivots.AddLanguage("deu", Dictd({"go\ngehen\n"}), Dictd({u8"gehen\nотивам\n"}), &error));
    RankByPivots(go, "go", pivots);
    EXPECT_EQ(go.Translation(), u8"отивам, яздя; го"_cp1251);
}

TEST(Rank, TheTooltipLimitCutsTheLeastSupported)
{
    Headword h("word");
    std::string entry = "word <n>\n";
    for (int i = 0; i < 40; ++i)
        entry += std::to_string(i + 1) + ". rare" + std::to_string(i) + "\ngloss\n";
    h.Add(FreeDictEntry::Parse(entry + "41. common\ngloss\n"));
    h.Rank([](const std::string& e) { return e == "common" ? 2 : 0; });
    const std::string t = h.Translation();
    EXPECT_EQ(t.compare(0, 13, "common, rare0"), 0) << t;
    EXPECT_EQ(t.find("rare39"), std::string::npos);
}

TEST(Rank, PivotEditionsReadAsTheyAre)
{
    struct Case {
        const char* entry;
        std::vector<std::string> words;
    } const cases[] = {
        // Gender tags, a region label, synonyms and examples.
        {"house /h/\n [Br.] Haus <neut>, Heim <neut> [constr.]\n   Synonyms: {home}\n      \"a house\" - ein Haus\n",
         {"Haus", "Heim"}},
        // Roman-numbered parts of speech, bracketed context, a dash line.
        {"house\nI.  <N> 1.  budynek, dom\n 2.  [mody]  pracownia\nII.  <V> 1.  mieścić\n - mieszkać\n",
         {"budynek", "dom", "pracownia", "mieścić"}},
        // A blank line first; numbered senses with English glosses between.
        {"house /h/\n\nσπίτι  (το χτίριο), οίκος\n", {"σπίτι", "οίκος"}},
        {"house <n>\n1. talo 2.\nhuman abode\n2. suku\ndynasty\n", {"talo", "suku"}},
        {"house\n", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PivotSupport::PivotWords(c.entry), c.words) << c.entry;
}

TEST(Rank, AMalformedPivotFileIsRefusedNamingItsLine)
{
    PivotSupport::Dictionary d;
    std::istringstream index("house\tA\tB\nbroken line\n");
    std::string error;
    EXPECT_FALSE(d.Parse(index, "eng-deu.index", "house\nHaus\n", "eng-deu.dict", &error));
    EXPECT_EQ(error, "eng-deu.index line 2: expected word<TAB>offset<TAB>length with base-64 numbers");
    std::istringstream past("house\tA\tZZ\n");
    EXPECT_FALSE(d.Parse(past, "eng-deu.index", "house\n", "eng-deu.dict", &error));
    EXPECT_EQ(error, "eng-deu.index line 1: the entry lies beyond the end of eng-deu.dict");
    PivotSupport pivots;
    EXPECT_FALSE(pivots.AddLanguageFiles("nowhere/freedict-eng-deu.index", "nowhere/freedict-deu-bul.index", &error));
    EXPECT_EQ(error.compare(0, 7, "cannot "), 0) << error;
}

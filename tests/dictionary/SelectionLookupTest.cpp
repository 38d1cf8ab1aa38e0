// What a selection shows with Find Base Forms: phrases, determiners, other
// spellings, folded letters and names, on a small dictionary.
#include "dictionary/FormLookup.h"
#include "dictionary/LookupFolding.h"
#include "dictionary/SpellingVariants.h"
#include "tests/dictionary/DictionaryBuilder.h"

#include <gtest/gtest.h>

namespace {

class SelectionLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(dict, {{"bank", "b"}, {"can't", "not-can"}, {"cafe", "c"}, {"color", "col"}, {"deep", "d"},
                    {"deeply", "dl"}, {"email", "em"}, {"favourite", "fav"}, {"fibre", "fi"}, {"fib", "lie"},
                    {"give", "g"}, {"give up", "gu"}, {"hell", "h"}, {"house", "k"}, {"let in", "li"},
                    {"look after", "la"}, {"nothing", "n"}, {"no one", "no"}, {"party", "p"},
                    {"pick up", "pu"}, {"realize", "r"}, {"the", "article"}, {"the end", "e"}});
        Filler(dict, 12);
        forms.Irregular().Load(CIrregularForms::Build(
            {"gave give\n", "deeper deeply\n", "Heller Heller\nBanks Banks\n"}));
    }

    // The entry shown first, or "" for none; the text must name it.
    std::string Shown(const char* selection)
    {
        const CFormLookup::Answer a = forms.Lookup(selection, true);
        if (!a.form.empty()) {
            EXPECT_EQ(std::string(a.text).rfind(a.form + ": ", 0), 0u) << selection << ": " << a.text;
        }
        return a.form.empty() && a.text != CDictionary::MSG_NOT_FOUND ? "=" + std::string(a.text) : a.form;
    }

    CDictionary dict;
    CFormLookup forms{dict};
};

} // namespace

TEST_F(SelectionLookupTest, SeveralWordsShowTheLongestEntryTheyBeginWith)
{
    const std::pair<const char*, const char*> cases[] = {
        {"give up", "=gu"},                     // an entry as it is
        {"gave up", "give up"},                 // its verb in another form
        {"giving up smoking", "give up"},       // the longest entry that begins it
        {"Picked it up.", "pick up"},           // a short object between verb and particle
        {"let me in", "let in"},
        {"looking after", "look after"},
        {"the house", "house"},                 // without the article first
        {"the end", "=e"},                      // though an entry of its own stays one
        {"house party", "house"},               // else the first word that answers
        {"no-one", "no one"},
        {"xyz party", "party"},
        {"xyz qqq", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.first), c.second) << c.first;
    EXPECT_EQ(dict.m_strNeighbours[0].substr(0, 5), "party") << "a miss leaves the last shown entry's neighbours";
    Shown("gave up");
    EXPECT_EQ(dict.m_strNeighbours[0].substr(0, 7), "give up");
}

TEST_F(SelectionLookupTest, OtherSpellingsFoldedLettersAndNames)
{
    const std::pair<const char*, const char*> cases[] = {
        {"colour", "color"},   {"colours", "color"},   {"favorite", "favourite"}, {"realised", "realize"},
        {"fiber", "fibre"},    {"e-mail", "email"},    {"deeper", "deep"},        {"nothin'", "nothing"},
        {"can\x92t", "=not-can"},                      // a typographic apostrophe keeps the negation
        {"\x93house\x94", "=k"},                       // quotes around a word
        {"Heller", ""},                                // a name is never cut into hell
        {"caf\x98", ""},                               // a letter Windows-1251 lacks: no lookup of "caf"
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.first), c.second) << c.first;
    EXPECT_EQ(forms.Lookup("Banks", true).text, "bank: b | Banks: \xF1\xEE\xE1\xF1\xF2\xE2\xE5\xED\xEE \xE8\xEC\xE5");
}

TEST_F(SelectionLookupTest, SwitchedOffTheLookupIsTheDictionarysOwn)
{
    for (const char* s : {"gave up", "the house", "colour", "can\x92t", "Heller", "caf\x98", "saw"})
        EXPECT_EQ(forms.Lookup(s, false).text, dict.Lookup(s)) << s;
}

TEST(LookupFolding, LettersAndMarksAsTheLookupReadsThem)
{
    EXPECT_EQ(lookupfold::ForLookup(L"caf\u00E9 na\u00EFve \u00DCber Stra\u00DFe \u0153uvre \u0141\u00F3d\u017A"),
              "cafe naive Uber Strasse oeuvre Lodz");
    EXPECT_EQ(lookupfold::ForLookup(L"can\u2019t \u201Cso\u201D \u2013 co\u00ADop\u200B cafe\u0301"),
              "can't so   coop cafe");
    EXPECT_EQ(lookupfold::ForLookup(L"\u65E5x"), "\x98x");
    EXPECT_TRUE(lookupfold::MissesALetter("\x98x"));
    EXPECT_FALSE(lookupfold::MissesALetter("\x98 x"));
    EXPECT_EQ(lookupfold::Fold1251("\x91quoted\x92 \xAB" "a\x97" "b\xBB"), "'quoted' a b");
}

TEST(SpellingVariants, BothWaysAndCompounds)
{
    const std::pair<const char*, const char*> cases[] = {
        {"colour", "color"},     {"color", "colour"},       {"centre", "center"},
        {"analyse", "analyze"},  {"organisation", "organization"}, {"defence", "defense"},
        {"catalogue", "catalog"}, {"programme", "program"}, {"travelled", "traveled"},
        {"grey", "gray"},        {"e-mail", "email"},       {"week end", "week-end"},
        {"nonsmoker", "non-smoker"}, {"encyclopaedia", "encyclopedia"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> v = SpellingVariants(c.first);
        EXPECT_NE(std::find(v.begin(), v.end(), c.second), v.end()) << c.first << " -> " << c.second;
        EXPECT_EQ(std::find(v.begin(), v.end(), c.first), v.end()) << c.first;
    }
    EXPECT_TRUE(SpellingVariants("filed").empty()) << "a short word's l is not doubled (filled)";
}

#include "dictionary/BaseForms.h"
#include "dictionary/FormLookup.h"
#include "tests/dictionary/DictionaryBuilder.h"
#include "tests/support/Cp1251Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Forms = std::vector<std::string>;

// A few lines as WordNet's noun and verb lists have them.
const CIrregularForms& Irregular()
{
    static CIrregularForms forms = [] {
        CIrregularForms f;
        f.Load(CIrregularForms::Build({"children child\nis is\nbetter better\n",
                                       "ran run\nwas be\nis be\nbetter better\ndoes do\nhas have\n"}));
        return f;
    }();
    return forms;
}

Forms Of(const std::string& word) { return BaseFormCandidates(word, Irregular()); }

} // namespace

TEST(SuffixRules, PluralsLoseTheirEnding)
{
    EXPECT_EQ(Of("houses"), (Forms{"house", "hous"}));
    EXPECT_EQ(Of("boxes"), (Forms{"boxe", "box"}));
    EXPECT_EQ(Of("glasses"), (Forms{"glasse", "glass"}));
    EXPECT_EQ(Of("flies"), (Forms{"fly", "flie"}));
    EXPECT_EQ(Of("Things"), (Forms{"thing"}));
}

TEST(SuffixRules, VerbEndingsTryTheSilentEWhereTheStemSuggestsIt)
{
    EXPECT_EQ(Of("looked").front(), "look");
    EXPECT_EQ(Of("hoped").front(), "hope");
    EXPECT_EQ(Of("used").front(), "use");
    EXPECT_EQ(Of("making").front(), "make");
    EXPECT_EQ(Of("singing").front(), "sing");
    EXPECT_EQ(Of("tried").front(), "try");
}

TEST(SuffixRules, DoubledConsonantIsUndoubled)
{
    EXPECT_EQ(Of("stopped"), (Forms{"stopp", "stoppe", "stop"}));
    EXPECT_EQ(Of("running").back(), "run");
    EXPECT_EQ(Of("bigger").back(), "big");
}

TEST(SuffixRules, ComparisonsLoseErAndEst)
{
    EXPECT_EQ(Of("happier").front(), "happy");
    EXPECT_EQ(Of("fastest").front(), "fast");
    EXPECT_EQ(Of("nicer"), (Forms{"nice", "nic"}));
}

TEST(SuffixRules, AdverbsGiveTheirAdjectives)
{
    EXPECT_EQ(Of("happily").front(), "happy");
    EXPECT_EQ(Of("basically").front(), "basic");
    EXPECT_EQ(Of("quickly"), (Forms{"quick"}));
    EXPECT_EQ(Of("fully").back(), "full");
}

TEST(SuffixRules, WordsThatOnlyLookInflectedAreNotCut)
{
    for (const char* word : {"news", "glass", "bus", "this", "series", "species", "as"})
        EXPECT_EQ(Of(word), Forms{}) << word;
}

TEST(ExceptionLists, GiveIrregularBasesAndStopTheRules)
{
    EXPECT_EQ(Of("ran"), (Forms{"run"}));
    EXPECT_EQ(Of("children"), (Forms{"child"}));
    EXPECT_EQ(Of("Was"), (Forms{"be"}));
    EXPECT_EQ(Of("is"), (Forms{"be"}));        // never "i"
    EXPECT_EQ(Of("better"), Forms{});          // listed as its own base: "bett" is no candidate
}

TEST(Contractions, GiveTheWordBeforeTheApostropheAndItsBaseForms)
{
    EXPECT_EQ(Of("doesn't"), (Forms{"does", "do"}));
    EXPECT_EQ(Of("it's"), (Forms{"it"}));
    EXPECT_EQ(Of("I'm"), (Forms{"i"}));
    EXPECT_EQ(Of("they're"), (Forms{"they"}));
    EXPECT_EQ(Of("we've"), (Forms{"we"}));
    EXPECT_EQ(Of("you'll"), (Forms{"you"}));
    EXPECT_EQ(Of("he'd"), (Forms{"he"}));
    EXPECT_EQ(Of("can't"), (Forms{"can"}));
    EXPECT_EQ(Of("won\x92t"), (Forms{"will"}));
    EXPECT_EQ(Of("houses'"), (Forms{"houses", "house", "hous"}));
    EXPECT_EQ(Of("John's"), (Forms{"john"}));
    EXPECT_EQ(Of("o'clock"), Forms{});
}

TEST(IrregularFormsFile, SurvivesItsOwnFormatAndRefusesDamage)
{
    const std::string file = CIrregularForms::Build({"mice mouse\nwas be\nis is\n", "was be\nfeet foot\n"});
    CIrregularForms forms;
    ASSERT_TRUE(forms.Load(file));
    EXPECT_EQ(forms.Count(), 4u);
    EXPECT_EQ(forms.BasesOf("feet"), (Forms{"foot"}));
    EXPECT_EQ(forms.ReadingsOf("feet"), (Forms{"feet", "foot"}));
    EXPECT_EQ(forms.ReadingsOf("foot"), (Forms{"foot"}));
    EXPECT_TRUE(forms.Lists("is"));
    EXPECT_FALSE(forms.Lists("foot"));

    std::string damaged = file;
    damaged[damaged.size() - 3] ^= 1;
    EXPECT_FALSE(forms.Load(damaged));
    EXPECT_EQ(forms.Count(), 0u);
    EXPECT_FALSE(forms.Load(file.substr(0, file.size() - 4)));

    std::string problem;
    EXPECT_FALSE(forms.LoadFile("no-such-dir/forms.dat", &problem));
    EXPECT_NE(problem.find("missing"), std::string::npos);
}

class FormLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(dict, {{"better", u8"по-добър"_cp1251}, {"good", u8"добър"_cp1251},
                    {"house", u8"къща"_cp1251}, {"run", u8"тичам"_cp1251}, {"saw", u8"трион"_cp1251},
                    {"see", u8"виждам"_cp1251}});
        Filler(dict, 12);
        forms.Irregular().Load(CIrregularForms::Build({"ran run\nbetter good well\nsaw see saw\n"}));
    }
    CDictionary dict;
    CFormLookup forms{dict};
};

TEST_F(FormLookupTest, AMissShowsTheFirstBaseFormTheDictionaryHolds)
{
    const CFormLookup::Answer answer = forms.Lookup("houses,", true);
    EXPECT_EQ(answer.text, u8"house: къща"_cp1251);
    EXPECT_EQ(answer.form, "house");
    EXPECT_EQ(dict.m_strNeighbours[0].substr(0, 5), "house");   // a normal lookup: its neighbours
    EXPECT_EQ(forms.Lookup("ran", true).text, u8"run: тичам"_cp1251);
}

TEST_F(FormLookupTest, AHitAndTheSwitchedOffLookupAreTheDictionarysOwn)
{
    EXPECT_EQ(forms.Lookup("house", true).text, dict.Lookup("house"));
    EXPECT_EQ(forms.Lookup("saw", false).text, dict.Lookup("saw"));
    EXPECT_EQ(forms.Lookup("houses", false).text, CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(forms.Lookup("mice", true).text, CDictionary::MSG_NOT_FOUND);
    EXPECT_EQ(forms.Lookup("", true).text, CDictionary::MSG_EMPTY_QUERY);
}

TEST_F(FormLookupTest, WordsTheUserAddedCount)
{
    const std::string mouse = u8"мишка"_cp1251;
    dict.AddPair("mouse", mouse.c_str());
    forms.Irregular().Load(CIrregularForms::Build({"mice mouse\n"}));
    EXPECT_EQ(forms.Lookup("mice", true).text, u8"mouse: мишка"_cp1251);
}

TEST_F(FormLookupTest, AHitThatIsAlsoAFormShowsEveryReadingTheLikeliestFirst)
{
    // The file ranks see before the word itself; the neighbours are see's.
    CFormLookup::Answer saw = forms.Lookup("Saw.", true);
    EXPECT_EQ(saw.text, u8"see: виждам | saw: трион"_cp1251);
    EXPECT_EQ(saw.form, "see");
    EXPECT_EQ(dict.m_strNeighbours[0].substr(0, 3), "see");
    // Unranked, the word's own reading leads; well is no entry and is left out.
    CFormLookup::Answer better = forms.Lookup("better", true);
    EXPECT_EQ(better.text, u8"better: по-добър | good: добър"_cp1251);
    EXPECT_EQ(better.form, "");
    EXPECT_EQ(dict.m_strNeighbours[0].substr(0, 6), "better");
}

// What the history keeps: the first reading's own translation, without the
// entry's name; nothing for a miss.
TEST_F(FormLookupTest, TheTranslationIsTheFirstReadingsOwnAndNullForAMiss)
{
    auto translation = [&](const char* query, bool findBaseForms) {
        const char* t = forms.Lookup(query, findBaseForms).translation;
        return t ? std::string(t) : std::string("<none>");
    };
    EXPECT_EQ(translation("houses,", true), u8"къща"_cp1251);
    EXPECT_EQ(translation("Saw.", true), u8"виждам"_cp1251);
    EXPECT_EQ(translation("better", true), u8"по-добър"_cp1251);
    EXPECT_EQ(translation("house", true), u8"къща"_cp1251);
    EXPECT_EQ(translation("house", false), u8"къща"_cp1251);
    EXPECT_EQ(translation("houses", false), "<none>");
    EXPECT_EQ(translation("mice", true), "<none>");
    EXPECT_EQ(translation("", true), "<none>");
    EXPECT_EQ(translation("", false), "<none>");
}

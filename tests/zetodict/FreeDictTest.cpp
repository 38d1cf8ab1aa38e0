#include "tests/support/Cp1251Text.h"
#include "tools/zetodict/FreeDictEntry.h"
#include "tools/zetodict/Headword.h"

#include <gtest/gtest.h>

// Entry texts are UTF-8 (u8"…"); Headword's results are Windows-1251, the
// charset plain literals are compiled to.

namespace {

const char* const HOUSE_NOUN =
    u8"house //haʊs// //hʌʊs// <n>\n"
    u8"1. стопа́нство, къща\nan establishment, business\n"
    u8"2. къ́ща, къща\narchetypal structure of a human abode\n"
    u8"3. ка́мара, къща\ndebating chamber for government politicians\n"
    u8"4. дина́стия, къща\ndynasty, familiar descendance\n"
    u8"5. дом, къ́ща, къща\nhuman abode\n";
const char* const HOUSE_VERB =
    u8"house //haʊz// <v>\n1. помещавам\nkeep within a structure or container\n2. подслонявам се\ntake shelter\n";
const char* const WATER_NOUN =
    u8"water //ˈwoːtə// /[ˈwæɾɚ]/ <n>\nвода 2.\nclear liquid H₂O\n 3.\none of the basic elements\n"
    u8" 4.\nbody of water, or specific part of it\n";
const char* const WATER_VERB =
    u8"water //ˈwoːtə// <v>\n1. пикая\ncolloquial: to urinate\n2. разреждам\ndilute\n3. поливам\nto pour water\n";

} // namespace

TEST(FreeDictEntry, NumberedSensesWithGlosses)
{
    const FreeDictEntry e = FreeDictEntry::Parse(HOUSE_VERB);
    EXPECT_EQ(e.headword, "house");
    EXPECT_EQ(e.partOfSpeech, "v");
    EXPECT_EQ(e.equivalents, (std::vector<std::string>{u8"помещавам", u8"подслонявам се"}));
}

TEST(FreeDictEntry, SingleSenseWithoutNumber)
{
    const FreeDictEntry e = FreeDictEntry::Parse(u8"quickly //ˈkwɪkli// <adv>\nбъ́рзо\nrapidly, fast\n");
    EXPECT_EQ(e.headword, "quickly");
    EXPECT_EQ(e.partOfSpeech, "adv");
    const std::vector<std::string> expected{u8"бъ́рзо"};   // stress kept: removed on conversion
    EXPECT_EQ(e.equivalents, expected);
}

TEST(FreeDictEntry, SubSensesAddNoEquivalents)
{
    const FreeDictEntry e = FreeDictEntry::Parse(WATER_NOUN);
    EXPECT_EQ(e.equivalents, (std::vector<std::string>{u8"вода"}));
    const FreeDictEntry n = FreeDictEntry::Parse(
        u8"absence <n>\n1. отсъ́ствие 2.\ninattention\n 3.\nstate of being away\n2. ли́пса\nlack\n");
    const std::vector<std::string> expected{u8"отсъ́ствие", u8"ли́пса"};
    EXPECT_EQ(n.equivalents, expected);
}

TEST(FreeDictEntry, PronunciationsAreReadBetweenTheirSlashes)
{
    const std::vector<std::string> house{u8"haʊs", u8"hʌʊs"}, water{u8"ˈwoːtə", u8"[ˈwæɾɚ]"},
        service{u8"tʃˈɜːtʃ sˈɜːvɪs"};
    EXPECT_EQ(FreeDictEntry::Parse(HOUSE_NOUN).pronunciations, house);
    EXPECT_EQ(FreeDictEntry::Parse(WATER_NOUN).pronunciations, water);
    const FreeDictEntry phrase = FreeDictEntry::Parse(u8"church service /tʃˈɜːtʃ sˈɜːvɪs/ <n>\nбогослужение\n");
    EXPECT_EQ(phrase.headword, "church service");
    EXPECT_EQ(phrase.pronunciations, service);
    EXPECT_TRUE(FreeDictEntry::Parse(u8"about <preposition>\n1. около\n").pronunciations.empty());
    const FreeDictEntry unclosed = FreeDictEntry::Parse(u8"odd //ɒd <adj>\nстранен\n");
    EXPECT_EQ(unclosed.headword, "odd");
    EXPECT_TRUE(unclosed.pronunciations.empty());
}

TEST(FreeDictEntry, SensesWithoutGloss)
{
    const FreeDictEntry e = FreeDictEntry::Parse(u8"about <preposition>\n1. около, приблизително\n2. за\nconcerning\n");
    EXPECT_EQ(e.equivalents, (std::vector<std::string>{u8"около", u8"приблизително", u8"за"}));
}

TEST(FreeDictEntry, GlossesNeverCountEvenWhenTheyLookLikeSenses)
{
    // The gloss of sense 1 starts with "3.", which is not the next number;
    // the second gloss holds a Cyrillic letter.
    const FreeDictEntry e = FreeDictEntry::Parse(
        u8"x <n>\n1. едно\n3. items in a list\n2. две\nname of а ruler\n");
    EXPECT_EQ(e.equivalents, (std::vector<std::string>{u8"едно", u8"две"}));
    const FreeDictEntry u = FreeDictEntry::Parse(u8"Asparukh /ɐspˈɑːɹʌk/ <pn>\nАспару́х, Исперих\nname of а ruler\n");
    const std::vector<std::string> expected{u8"Аспару́х", u8"Исперих"};
    EXPECT_EQ(u.equivalents, expected);
}

TEST(FreeDictEntry, HeadlineVariants)
{
    // (Texts outside the Windows-1251 range stay out of the macros, which
    // quote their arguments in plain literals.)
    const char* const hyphenated = u8"absent-minded //ˌæb// <adj>\nразсеян\n";
    const char* const apostrophe = u8"Adam's apple /ˈadəm/ <n>\nадамова ябълка\n";
    EXPECT_EQ(FreeDictEntry::Parse(hyphenated).headword, "absent-minded");
    EXPECT_EQ(FreeDictEntry::Parse(apostrophe).headword, "Adam's apple");
    const FreeDictEntry bare = FreeDictEntry::Parse(u8"a priori\nаприорно\n");
    EXPECT_EQ(bare.headword, "a priori");
    EXPECT_EQ(bare.partOfSpeech, "");
    EXPECT_EQ(bare.equivalents, (std::vector<std::string>{u8"априорно"}));
    EXPECT_EQ(FreeDictEntry::Parse("").headword, "");
}

TEST(FreeDictEntry, CommasInsideParenthesesStay)
{
    const FreeDictEntry e = FreeDictEntry::Parse(u8"w <n>\nзнак (буква, цифра), символ\n");
    EXPECT_EQ(e.equivalents, (std::vector<std::string>{u8"знак (буква, цифра)", u8"символ"}));
}

TEST(FreeDictEntry, WikiLinksReadAsTheirText)
{
    const FreeDictEntry e = FreeDictEntry::Parse(
        u8"armament <n>\n1. [[въоръжен|въоръжени]] [[сила|сили]], въоръжаване\n2. [[боен]] [[поле\n");
    EXPECT_EQ(e.equivalents, (std::vector<std::string>{u8"въоръжени сили", u8"въоръжаване", u8"боен [[поле"}));
}

TEST(Headword, HouseJoinsPartsOfSpeech)
{
    Headword h("house");
    h.Add(FreeDictEntry::Parse(HOUSE_NOUN));
    h.Add(FreeDictEntry::Parse(HOUSE_VERB));
    EXPECT_EQ(h.Word(), "house");
    EXPECT_EQ(h.Translation(), u8"стопанство, къща, камара, династия, дом; помещавам, подслонявам се"_cp1251);
    EXPECT_EQ(h.Unmapped(), 0u);
}

TEST(Headword, Water)
{
    Headword h("water");
    h.Add(FreeDictEntry::Parse(WATER_NOUN));
    h.Add(FreeDictEntry::Parse(WATER_VERB));
    EXPECT_EQ(h.Translation(), u8"вода; пикая, разреждам, поливам"_cp1251);
}

TEST(Headword, SamePartOfSpeechInTwoEntriesIsOneGroup)
{
    Headword h("bank");
    h.Add(FreeDictEntry::Parse(u8"bank <n>\nбанка\n"));
    h.Add(FreeDictEntry::Parse(u8"bank <v>\nнатрупвам\n"));
    h.Add(FreeDictEntry::Parse(u8"bank <n>\nбряг, ба́нка\n"));
    EXPECT_EQ(h.Translation(), u8"банка, бряг; натрупвам"_cp1251);
}

TEST(Headword, ChoosesTheSpellingOfTheIndexWord)
{
    Headword arch("arch");
    arch.Add(FreeDictEntry::Parse(u8"arch- <prefix>\nархи-\n"));
    arch.Add(FreeDictEntry::Parse(u8"arch <n>\nарка\n"));
    EXPECT_EQ(arch.Word(), "arch");
    EXPECT_EQ(arch.Translation(), u8"архи-; арка"_cp1251);

    Headword aachen("aachen");
    aachen.Add(FreeDictEntry::Parse(u8"Aachen <pn>\nАхен\n"));
    EXPECT_EQ(aachen.Word(), "Aachen");

    Headword hyphen("absentminded");
    hyphen.Add(FreeDictEntry::Parse(u8"absent-minded <adj>\nразсеян\n"));
    EXPECT_EQ(hyphen.Word(), "absent-minded");

    Headword cafe(u8"café");
    cafe.Add(FreeDictEntry::Parse(u8"café <n>\nкафе\n"));
    EXPECT_EQ(cafe.Word(), "cafe");
}

TEST(Headword, CountsCharactersWithoutAForm)
{
    Headword h(u8"führer");
    h.Add(FreeDictEntry::Parse(u8"Führer <n>\nфюрер ☺\n"));
    EXPECT_EQ(h.Word(), "F?hrer");
    EXPECT_EQ(h.Translation(), u8"фюрер ?"_cp1251);
    EXPECT_EQ(h.Unmapped(), 2u);
}

TEST(Headword, KeptToOneShortLine)
{
    Headword h("work");
    std::string noun = "work <n>\n";
    std::string verb = "work <v>\n";
    for (int i = 0; i < 40; ++i) {
        noun += std::to_string(i + 1) + ". noun" + std::to_string(i) + "\ngloss\n";
        verb += std::to_string(i + 1) + ". verb" + std::to_string(i) + "\ngloss\n";
    }
    h.Add(FreeDictEntry::Parse(noun));
    h.Add(FreeDictEntry::Parse(verb));
    const std::string t = h.Translation();
    EXPECT_LE(t.size(), Headword::TOOLTIP_LIMIT + 10);
    EXPECT_EQ(t.find('\n'), std::string::npos);
    EXPECT_EQ(t.compare(0, 13, "noun0, noun1,"), 0);
    // The verbs are not crowded out: their first equivalent is always there.
    EXPECT_NE(t.find("; verb0"), std::string::npos);
    EXPECT_NE(t.back(), ' ');
}

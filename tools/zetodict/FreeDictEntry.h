#pragma once

#include <string>
#include <vector>

// One entry of a FreeDict dictd file, as its text reads:
//
//   house //haʊs// <n>              headword, pronunciations, part of speech
//   1. стопа́нство, къща             numbered sense: the Bulgarian equivalents
//   an establishment, business      its English gloss (optional)
//   2. …
//
// An entry with one sense has no number. A sense may carry sub-senses
// without equivalents of their own: "вода 2." then " 3." lines, each
// followed by a gloss. Wiktionary links ([[lemma|form]]) are reduced to
// their text. Everything is UTF-8; nothing is converted here.
struct FreeDictEntry {
    std::string headword;                  // as written, e.g. "absent-minded"
    std::string partOfSpeech;              // "n", "v", … or empty
    std::vector<std::string> pronunciations;  // IPA, without its slashes, in order
    std::vector<std::string> equivalents;  // in order, as written (stress marks kept)

    static FreeDictEntry Parse(const std::string& text);
};

#pragma once

#include "dictionary/IrregularForms.h"

#include <string>
#include <vector>

// The base forms of an English word that the dictionary lacks, in the order
// they are tried; the first one the dictionary holds is shown.
//
// 1. A contraction or possessive gives the word before the apostrophe
//    (it's, they're, we've, you'll, he'd, I'm, John's, houses' -> it, they,
//    we, you, he, I, John, houses), and n't the verb before it (doesn't ->
//    does, can't -> can, won't -> will), each followed by that word's own
//    base forms (does -> do). An apostrophe is ' or Windows-1251's 0x92.
// 2. The exception lists (ran -> run, children -> child, was -> be). A word
//    they name gets only their bases: no suffix rule cuts it (is -> be,
//    never i); a comparison they give only an adverb gets the adverb's
//    adjective first (deeper -> deep, deeply).
// 3. The suffix rules, for a word of letters only: -ies/-ied/-ier/-iest
//    -> y; -s; -es after s, x, z, ch, sh and o; -ed, -ing, -er, -est, each
//    with the bare stem, the stem + e, and the stem with a doubled final
//    consonant undoubled (stopped -> stop). The stem + e comes first when
//    the stem ends consonant-vowel-consonant (hoped -> hope before hop),
//    else the bare stem (looked -> look). An adverb
//    in -ly gives its adjective: happily -> happy, basically -> basic,
//    quickly -> quick, fully -> full. -s is never cut after s, u or i
//    (glass, bus, this), nor from a word that only looks plural (news,
//    series).
// Letter case: the dictionary's lookup already folds it (The finds the),
// so candidates are only formed in lower case.
//
// Every candidate is shorter than the word, or comes from the exception
// lists; none is empty or the word itself.
std::vector<std::string> BaseFormCandidates(const std::string& word, const CIrregularForms& irregular);

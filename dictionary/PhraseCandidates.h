#pragma once

#include "dictionary/IrregularForms.h"

#include <string>
#include <vector>

// A selection of several words, as the lookup reads it: the words between
// spaces, each without the punctuation around it.
std::vector<std::string> SelectionWords(const std::string& selection);

// An article or a possessive or demonstrative determiner (the, a, my,
// this...): a selection that starts with one means the words after it.
bool IsDeterminer(const std::string& word);

// The entries that the first n words of a selection may stand for, in the
// order they are tried: the words as they are, then with the first word in
// its base forms (gave up, giving up -> give up), then, for three words with
// a short object in the middle, the verb and its particle (picked it up,
// turn them off, let me in -> pick up, turn off, let in). Lower case.
std::vector<std::string> PhraseCandidates(const std::vector<std::string>& words, std::size_t n,
                                          const CIrregularForms& irregular);

// Longer selections are not searched for entries beyond this many words.
constexpr std::size_t LONGEST_PHRASE = 5;

#pragma once

#include <string>
#include <vector>

// Other spellings of a lower-case English word, tried after its base forms
// when the dictionary lacks it, and only ever shown where the dictionary has
// them: British and American (colour/color, centre/center, realise/realize
// and -isation/-ization, analyse/analyze, defence/defense, catalogue/catalog,
// programme/program, travelled/traveled, grey/gray, judgement/judgment,
// encyclopaedia/encyclopedia and a few words of their own: plough/plow),
// each way, and compounds hyphenated, spaced or closed (e-mail/email, week
// end/weekend, nonsmoker/non-smoker).
// None is empty or the word itself.
std::vector<std::string> SpellingVariants(const std::string& word);

// The text shown for a lookup, in UTF-16: a pronunciation needs letters
// Windows-1251 lacks. Without a pronunciation it is the answer as it is;
// with one, the pronunciation stands after the entry's name, and an answer
// that names no entry gets its name first:
//     "house n. /haʊs/, v. /haʊz/: къща, дом"
//     "see /siː/: виждам | saw: трион"
#pragma once

#include <string>

// text and entry in Windows-1251; said in UTF-8 (empty: no pronunciation).
std::wstring ShownText(const std::string& text, const std::string& entry, const std::string& said);

#pragma once

#include <string>

// How a selection is read for a lookup with Find Base Forms: a letter with
// a diacritic as its base letter (é -> e, ß -> ss, æ -> ae), typographic
// characters as what the lookup understands (’ -> ', “ ” -> nothing, – — ->
// a space, soft hyphens and zero-width characters -> nothing). Only the
// lookup's key is folded; what a window shows stays as it was.
namespace lookupfold {

// Stands for a character that Windows-1251 lacks and folding does not
// reach: a word next to it has a letter missing and is never looked up.
constexpr char UNREADABLE = '\x98';

std::wstring Fold(const std::wstring& text);
// UTF-16 text, folded, in Windows-1251 with UNREADABLE for what is left.
std::string ForLookup(const std::wstring& text);
// UTF-8 text alike (zetodict's queries); invalid bytes are UNREADABLE.
std::string ForLookupFromUtf8(const std::string& utf8);
// Windows-1251 text (a typed word, an ANSI clipboard) folded alike.
std::string Fold1251(const std::string& text);
// True when an UNREADABLE byte stands next to a letter.
bool MissesALetter(const std::string& folded);

} // namespace lookupfold

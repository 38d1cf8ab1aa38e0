// How a suggestion reads in the list: the dictionary keeps its neighbour
// words as found, padded with spaces; the list shows each without the
// blanks around it and in small letters. Rules on Windows-1251 bytes, with
// no window in sight, so they build and are tested on every platform.
#pragma once
#include <string>

// Space, tab, line feed, vertical tab, form feed, carriage return.
bool IsBlank(char c);

// word without its leading and trailing blanks, in small letters.
std::string ListTextOf(const std::string& word);

#pragma once

#include <cstddef>
#include <string>

// UTF-8 <-> Windows-1251 at run time, for data (dictionary sources, queries,
// dictionary texts shown as UTF-8), by the table of Cp1251Table.h, so
// zetodict and Zeto behave the same on every platform and need no iconv.
// Zeto's own fixed texts are converted at compile time (Cp1251Literal.h).
namespace cp1251 {

struct Conversion {
    std::string text;          // Windows-1251 bytes
    bool validUtf8 = true;     // false: the input was not well-formed UTF-8
    std::size_t unmapped = 0;  // characters without a Windows-1251 form, written as '?'
};

// Combining acute and grave accents (stress marks) are dropped, and so is the
// accent of a precomposed letter with an acute or grave accent whose base
// letter Windows-1251 has (ѝ -> и, é -> e). Every other character without a
// Windows-1251 form becomes '?'. Invalid UTF-8 bytes also become '?'.
Conversion FromUtf8(const std::string& utf8);

// Every byte has a UTF-8 form; 0x98, unassigned in Windows-1251, maps to
// U+0098 so that any dictionary text survives the round trip.
std::string ToUtf8(const std::string& bytes);

} // namespace cp1251

#pragma once

#include <string>

// Field escaping for the tool's text formats.
namespace escape {

// One TSV field: backslash, tab, CR and LF become \\, \t, \r and \n, so a
// record always fits one line and splits at its one real tab.
std::string TsvField(const std::string& text);

// The reverse. False (with *error set) for a backslash followed by anything
// but \, t, r or n, or at the end of the field.
bool UnescapeTsvField(const std::string& field, std::string* text, std::string* error);

// A JSON string literal, quotes included; the text must be UTF-8.
std::string JsonString(const std::string& utf8);

} // namespace escape

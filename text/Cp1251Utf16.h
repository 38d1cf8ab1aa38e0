// Windows-1251 <-> UTF-16, where Zeto's texts meet Windows: its windows are
// Unicode windows, while files, lookups and Tapwire keep Windows-1251 bytes.
// The same table as the UTF-8 converter (Cp1251Table.h), so every byte has
// one character and back (0x98 <-> U+0098).
#pragma once

#include <string>

namespace cp1251 {

// One UTF-16 unit per byte.
std::wstring ToUtf16(const std::string& bytes);

// One byte per character; a character Windows-1251 lacks becomes unmapped
// ('?' unless told), a surrogate pair one such byte, so such a text can
// never match a wrong word. Units above 0xFFFF (a 32-bit wchar_t) count as
// characters it lacks.
std::string FromUtf16(const std::wstring& text, char unmapped = '?');

} // namespace cp1251

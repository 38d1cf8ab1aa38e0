// Bulgarian texts in the tests, written as UTF-8 and compared with the
// Windows-1251 bytes Zeto stores and shows: u8"къща"_cp1251. Converted at
// run time (production code uses cp1251::Literal); a character without a
// Windows-1251 form is a mistake in the test and throws.
#pragma once
#include "text/Cp1251.h"

#include <cstddef>
#include <stdexcept>
#include <string>

inline std::string operator""_cp1251(const char* utf8, std::size_t size)
{
    const cp1251::Conversion conversion = cp1251::FromUtf8(std::string(utf8, size));
    if (!conversion.validUtf8 || conversion.unmapped > 0)
        throw std::invalid_argument("not a Windows-1251 text: " + std::string(utf8, size));
    return conversion.text;
}

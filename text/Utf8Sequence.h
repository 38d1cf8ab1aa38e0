// Reading one UTF-8 sequence, usable at compile time: the run-time converter
// and the compile-time one decode alike.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cp1251 {

struct Utf8Sequence {
    std::uint32_t codePoint = 0;
    std::size_t length = 1;   // bytes taken; for a malformed sequence, bytes to skip
    bool wellFormed = false;
};

// The sequence at text[i], i < size. Overlong forms, surrogates and code
// points past U+10FFFF are malformed.
constexpr Utf8Sequence DecodeUtf8(const char* text, std::size_t size, std::size_t i)
{
    Utf8Sequence result;
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t need = 0;
    std::uint32_t value = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
        result.codePoint = lead;
        result.wellFormed = true;
        return result;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1; value = lead & 0x1F; minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2; value = lead & 0x0F; minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3; value = lead & 0x07; minimum = 0x10000;
    } else {
        return result;
    }
    for (std::size_t k = 1; k <= need; ++k) {
        if (i + k >= size || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
            result.length = k;
            return result;
        }
        value = (value << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    result.length = need + 1;
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return result;
    result.codePoint = value;
    result.wellFormed = true;
    return result;
}

} // namespace cp1251

#include "text/Cp1251Utf16.h"

#include "text/Cp1251Table.h"

#include <cstdint>

namespace cp1251 {

std::wstring ToUtf16(const std::string& bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        text += static_cast<wchar_t>(b < 0x80 ? b : HIGH_HALF[b - 0x80]);
    }
    return text;
}

std::string FromUtf16(const std::wstring& text, char unmapped)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint32_t unit = static_cast<std::uint32_t>(text[i]);
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && i + 1 < text.size()) {
            const std::uint32_t next = static_cast<std::uint32_t>(text[i + 1]);
            if (next >= 0xDC00 && next <= 0xDFFF)
                ++i;   // the pair is one character
        }
        const int byte = unit <= 0xFFFF ? ByteOf(unit) : -1;
        bytes += byte < 0 ? unmapped : static_cast<char>(byte);
    }
    return bytes;
}

} // namespace cp1251

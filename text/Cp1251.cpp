#include "text/Cp1251.h"

#include "text/Cp1251Table.h"
#include "text/Utf8Sequence.h"

#include <cstdint>

namespace cp1251 {
namespace {

const std::uint32_t COMBINING_GRAVE = 0x0300;
const std::uint32_t COMBINING_ACUTE = 0x0301;

// Precomposed letters with an acute or grave accent, and their base letter.
struct Accented {
    std::uint16_t letter;
    std::uint16_t base;
};
const Accented ACCENTED[] = {
    {0x00C0, 'A'}, {0x00C1, 'A'}, {0x00C8, 'E'}, {0x00C9, 'E'}, {0x00CC, 'I'}, {0x00CD, 'I'},
    {0x00D2, 'O'}, {0x00D3, 'O'}, {0x00D9, 'U'}, {0x00DA, 'U'}, {0x00DD, 'Y'},
    {0x00E0, 'a'}, {0x00E1, 'a'}, {0x00E8, 'e'}, {0x00E9, 'e'}, {0x00EC, 'i'}, {0x00ED, 'i'},
    {0x00F2, 'o'}, {0x00F3, 'o'}, {0x00F9, 'u'}, {0x00FA, 'u'}, {0x00FD, 'y'},
    {0x0106, 'C'}, {0x0107, 'c'}, {0x0139, 'L'}, {0x013A, 'l'}, {0x0143, 'N'}, {0x0144, 'n'},
    {0x0154, 'R'}, {0x0155, 'r'}, {0x015A, 'S'}, {0x015B, 's'}, {0x0179, 'Z'}, {0x017A, 'z'},
    {0x01F4, 'G'}, {0x01F5, 'g'}, {0x01F8, 'N'}, {0x01F9, 'n'},
    {0x0400, 0x0415}, {0x040D, 0x0418}, {0x0450, 0x0435}, {0x045D, 0x0438},   // Ѐ Ѝ ѐ ѝ
};

void Encode(std::uint32_t cp, std::string& out)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

Conversion FromUtf8(const std::string& utf8)
{
    Conversion result;
    result.text.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Sequence sequence = DecodeUtf8(utf8.data(), utf8.size(), i);
        i += sequence.length;
        if (!sequence.wellFormed) {
            result.validUtf8 = false;
            result.text += '?';
            continue;
        }
        const std::uint32_t cp = sequence.codePoint;
        if (cp == COMBINING_ACUTE || cp == COMBINING_GRAVE)
            continue;
        int byte = ByteOf(cp);
        if (byte < 0) {
            for (const Accented& a : ACCENTED) {
                if (a.letter == cp) {
                    byte = ByteOf(a.base);
                    break;
                }
            }
        }
        if (byte < 0) {
            ++result.unmapped;
            byte = '?';
        }
        result.text += static_cast<char>(byte);
    }
    return result;
}

std::string ToUtf8(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        Encode(b < 0x80 ? b : HIGH_HALF[b - 0x80], out);
    }
    return out;
}

} // namespace cp1251

#include "dictionary/Cp1251.h"

#include <cstdint>

namespace cp1251 {
namespace {

// Code points of the bytes 0x80 to 0xFF.
const std::uint16_t HIGH_HALF[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

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

int ByteOf(std::uint32_t cp)
{
    if (cp < 0x80)
        return static_cast<int>(cp);
    for (int i = 0; i < 128; ++i) {
        if (HIGH_HALF[i] == cp)
            return 0x80 + i;
    }
    return -1;
}

// Decodes one UTF-8 sequence at s[i]; returns false for a malformed one
// (then *length is how many bytes to skip).
bool Decode(const std::string& s, std::size_t i, std::uint32_t* cp, std::size_t* length)
{
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    std::size_t need;
    std::uint32_t value;
    std::uint32_t minimum;
    if (lead < 0x80) {
        *cp = lead;
        *length = 1;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1; value = lead & 0x1F; minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2; value = lead & 0x0F; minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3; value = lead & 0x07; minimum = 0x10000;
    } else {
        *length = 1;
        return false;
    }
    for (std::size_t k = 1; k <= need; ++k) {
        if (i + k >= s.size() || (static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
            *length = k;
            return false;
        }
        value = (value << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    *length = need + 1;
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return false;
    *cp = value;
    return true;
}

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
        std::uint32_t cp = 0;
        std::size_t length = 1;
        const bool ok = Decode(utf8, i, &cp, &length);
        i += length;
        if (!ok) {
            result.validUtf8 = false;
            result.text += '?';
            continue;
        }
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

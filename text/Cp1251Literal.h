// Zeto's own Bulgarian texts, written in the sources as UTF-8 and turned into
// Windows-1251 bytes by the compiler itself, so every compiler gives the same
// bytes whatever its execution character set:
//
//     constexpr auto TEXT_HINT = cp1251::Literal(u8"Няма такава дума");
//     ::SetWindowTextA(hwnd, TEXT_HINT.c_str());
//
// Only a constexpr variable makes the conversion happen at compile time, and
// a namespace-scope one lives until exit, as a lookup result must. A
// character Windows-1251 lacks (or malformed UTF-8) then stops the build.
#pragma once

#include "text/Cp1251Table.h"
#include "text/Utf8Sequence.h"

#include <cstddef>
#include <stdexcept>

namespace cp1251 {

// The Windows-1251 form of a UTF-8 text of N - 1 bytes: never longer, so
// N bytes hold it with its NUL.
template <std::size_t N>
class Text {
public:
    constexpr explicit Text(const char (&utf8)[N])
    {
        if (utf8[N - 1] != '\0')
            throw std::invalid_argument("not a string literal");
        for (std::size_t i = 0; i + 1 < N;) {
            const Utf8Sequence sequence = DecodeUtf8(utf8, N - 1, i);
            if (!sequence.wellFormed)
                throw std::invalid_argument("malformed UTF-8");
            const int byte = ByteOf(sequence.codePoint);
            if (byte < 0)
                throw std::invalid_argument("no Windows-1251 form for a character of the text");
            m_bytes[m_size++] = static_cast<char>(byte);
            i += sequence.length;
        }
    }

    constexpr const char* c_str() const { return m_bytes; }
    constexpr std::size_t size() const { return m_size; }

private:
    char m_bytes[N] = {};
    std::size_t m_size = 0;
};

// In C++17 u8"..." is a const char array.
template <std::size_t N>
constexpr Text<N> Literal(const char (&utf8)[N])
{
    return Text<N>(utf8);
}

} // namespace cp1251

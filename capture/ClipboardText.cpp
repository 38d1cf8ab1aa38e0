#include "capture/ClipboardText.h"

#include "text/Cp1251Literal.h"
#include "text/Cp1251Utf16.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr auto TEXT_TOO_LONG = cp1251::Literal(u8"Много голяма дума");
}

const char* const TEXT_WORD_TOO_LONG = TEXT_TOO_LONG.c_str();

std::string FirstWordIn(const char* text, std::size_t length)
{
    const void* space = std::memchr(text, ' ', length);
    if (!space)
        return TEXT_WORD_TOO_LONG;
    std::size_t wordLength = static_cast<const char*>(space) - text;
    if (wordLength >= CLIPBOARD_BUFFER_SIZE)
        return TEXT_WORD_TOO_LONG;
    return std::string(text, wordLength);
}

namespace {
// The whole text of a short block, the first word of a long one.
std::string ByBlockSize(const char* text, std::size_t length, std::size_t blockSize)
{
    if (blockSize < CLIPBOARD_WHOLE_BELOW)
        return std::string(text, length);
    return FirstWordIn(text, length);
}
} // namespace

std::string TextOfClipboardBlock(const void* block, std::size_t blockSize)
{
    if (!block || blockSize == 0)
        return std::string();
    const char* text = static_cast<const char*>(block);
    const void* nul = std::memchr(text, '\0', blockSize);
    std::size_t length = nul ? static_cast<const char*>(nul) - text : blockSize;
    return ByBlockSize(text, length, blockSize);
}

std::string PlainCp1251(const std::wstring& text)
{
    return cp1251::FromUtf16(text);
}

std::string TextOfUnicodeClipboardBlock(const void* block, std::size_t blockSize, WideToLookup convert)
{
    const std::size_t units = blockSize / 2;
    if (!block || units == 0)
        return std::string();
    // A long block gives only its first word, so its reading stops after the
    // first space, or where that word could no longer fit the buffer (a
    // surrogate pair, two units, becomes one byte): a copied book costs no
    // more than a word.
    const bool whole = units < CLIPBOARD_WHOLE_BELOW;
    const std::size_t read = whole ? units : std::min(units, 2 * CLIPBOARD_BUFFER_SIZE);
    // Byte by byte: a block's alignment is the owner's business.
    const unsigned char* bytes = static_cast<const unsigned char*>(block);
    std::wstring text;
    for (std::size_t i = 0; i < read; ++i) {
        const wchar_t unit = static_cast<wchar_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        if (unit == 0)
            break;
        text += unit;
        if (!whole && unit == L' ')
            break;
    }
    return TextOfUnicodeText(text, units, convert);
}

std::string TextOfUnicodeText(const std::wstring& read, std::size_t blockSize, WideToLookup convert)
{
    const std::string converted = convert(read.substr(0, read.find(L'\0')));
    return ByBlockSize(converted.data(), converted.size(), blockSize);
}

void CopyToBuffer(const std::string& text, char* buffer, std::size_t bufferSize)
{
    if (bufferSize == 0)
        return;
    std::size_t n = text.size() < bufferSize - 1 ? text.size() : bufferSize - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

std::string StripSpaces(const std::string& text)
{
    std::string::size_type first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    std::string::size_type last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

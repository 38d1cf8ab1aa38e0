// The clipboard text rules on arbitrary blocks: whatever another program put
// on the clipboard, and whatever size its block claims, the text taken from
// it stays inside the block, fits the clipboard buffer, and follows the
// rules for short blocks (the whole text) and long ones (the first word).
// The same bytes are read as a CF_TEXT block and as a CF_UNICODETEXT one.
#include "capture/ClipboardText.h"
#include "fuzz/FuzzCheck.h"
#include "text/Cp1251Utf16.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The UTF-16 reading: characters of whole units only, to the first NUL
// unit, converted, then the rules (checked on the CF_TEXT side) with the
// block's size counted in characters.
void CheckUnicodeBlock(const std::uint8_t* data, std::size_t size)
{
    const std::string text = TextOfUnicodeClipboardBlock(data, size);
    FUZZ_CHECK(text.size() < CLIPBOARD_BUFFER_SIZE, "the Unicode text fits the clipboard buffer with its NUL");

    std::wstring units;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const wchar_t unit = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0)
            break;
        units += unit;
    }
    const std::string content = cp1251::FromUtf16(units);
    FUZZ_CHECK(content.size() <= units.size(), "one byte at most for each UTF-16 unit");
    const std::string reference =
        size / 2 < CLIPBOARD_WHOLE_BELOW ? content : FirstWordIn(content.data(), content.size());
    FUZZ_CHECK(text == reference,
               "a short Unicode block gives its whole text, a long one its first word, read only that far");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckUnicodeBlock(data, size);

    const std::string text = TextOfClipboardBlock(data, size);
    FUZZ_CHECK(text.size() < CLIPBOARD_BUFFER_SIZE, "the text fits the clipboard buffer with its NUL");

    const char* block = reinterpret_cast<const char*>(data);
    const void* nul = size ? std::memchr(block, '\0', size) : nullptr;
    const std::size_t length = nul ? static_cast<const char*>(nul) - block : size;
    const std::string content(block ? block : "", length);
    if (size < CLIPBOARD_WHOLE_BELOW) {
        FUZZ_CHECK(text == content, "a short block gives its whole text");
    } else if (text != TEXT_WORD_TOO_LONG) {
        FUZZ_CHECK(text.find(' ') == std::string::npos, "a long block gives one word");
        FUZZ_CHECK(content.compare(0, text.size() + 1, text + " ") == 0, "the word is the text's first");
    } else {
        const std::size_t space = content.find(' ');
        const std::string literal = std::string(TEXT_WORD_TOO_LONG) + " ";
        FUZZ_CHECK(space == std::string::npos || space >= CLIPBOARD_BUFFER_SIZE
                       || content.compare(0, literal.size(), literal) == 0,
                   "only a text without a first word that fits gives the long-word message");
    }

    // The buffer the handlers copy into: exactly its size, so a write past it shows.
    std::vector<char> buffer(CLIPBOARD_BUFFER_SIZE);
    CopyToBuffer(text, buffer.data(), buffer.size());
    FUZZ_CHECK(std::string(buffer.data()) == text.substr(0, text.find('\0')), "the buffer holds the text");

    // Spaces (code 32) only, at both ends only.
    const std::size_t first = content.find_first_not_of(' ');
    const std::string inner =
        first == std::string::npos ? std::string() : content.substr(first, content.find_last_not_of(' ') - first + 1);
    FUZZ_CHECK(StripSpaces(content) == inner, "stripping removes the outer spaces and nothing else");
    return 0;
}

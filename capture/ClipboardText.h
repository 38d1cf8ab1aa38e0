// Turning the clipboard's text into what Zeto looks up. Pure rules over a
// block of bytes and its allocated size, so they build and are tested on
// every platform. The clipboard is shared with every program on the desktop:
// nothing here reads past the block it is given, whatever the block holds.
#pragma once
#include <cstddef>
#include <string>

// Size of the buffer the clipboard text is read into, NUL included.
constexpr std::size_t CLIPBOARD_BUFFER_SIZE = 256;
// Blocks of this size or more are taken to hold more than one word.
constexpr std::size_t CLIPBOARD_WHOLE_BELOW = 64;

// "Много голяма дума" in Windows-1251: what a long text without a usable
// first word becomes.
extern const char* const TEXT_WORD_TOO_LONG;

// The characters of text[0, length) before its first space (code 32); a
// text without a space gives TEXT_WORD_TOO_LONG. A first word that would not
// fit the clipboard buffer gives TEXT_WORD_TOO_LONG too: it is never cut.
std::string FirstWordIn(const char* text, std::size_t length);

// The text of a CF_TEXT block of blockSize bytes: up to its first NUL, or the
// whole block when the owner left out the NUL. A block under 64 bytes gives
// that text unchanged; a larger one only its first word (FirstWordIn). The
// result always fits the clipboard buffer.
std::string TextOfClipboardBlock(const void* block, std::size_t blockSize);

// The same for a CF_UNICODETEXT block of blockSize bytes (UTF-16, two bytes a
// character, a trailing odd byte ignored): its text up to the first NUL
// character, in Windows-1251 (a character it lacks becomes '?', or as
// convert makes it), and the
// same rules with the block's size counted in characters, the size of the
// CF_TEXT block of that text.
// How a UTF-16 text becomes the Windows-1251 text that is looked up: as it
// is (PlainCp1251), or folded when Find Base Forms is on.
using WideToLookup = std::string (*)(const std::wstring& text);
std::string PlainCp1251(const std::wstring& text);
std::string TextOfUnicodeClipboardBlock(const void* block, std::size_t blockSize, WideToLookup convert = PlainCp1251);
// The same rules for a UTF-16 text whose CF_TEXT block would be blockSize
// bytes, of which `read` holds the start (up to a NUL): all of a text under
// 64 bytes, at least its first word of a longer one.
std::string TextOfUnicodeText(const std::wstring& read, std::size_t blockSize, WideToLookup convert = PlainCp1251);

// Copies text into a buffer of bufferSize bytes, cut to fit, NUL-terminated.
void CopyToBuffer(const std::string& text, char* buffer, std::size_t bufferSize);

// text without its leading and trailing spaces (code 32 only; tabs and line
// ends stay).
std::string StripSpaces(const std::string& text);

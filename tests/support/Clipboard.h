// The clipboard as the tests write and read it. Under Wine a thread that
// opens the clipboard without a window may take it over from another such
// thread in the middle of its work; so the tests open it with a window of
// their own, and wait (bounded) while someone else holds it.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace support {

// Puts a block of that format, and nothing else, on the clipboard; false when
// the clipboard stayed busy or refused the block.
bool PutClipboardBlock(UINT format, const void* bytes, size_t size);
bool PutClipboardText(const std::string& text);   // CF_TEXT with its NUL
// Puts blocks of several formats at once (their bytes, their sizes).
bool PutClipboardBlocks(const std::vector<std::pair<UINT, std::string>>& blocks);
// Adds a 16 x 16 monochrome bitmap of these 32 bytes to what the clipboard holds.
bool AddClipboardBitmap(const unsigned char (&pixels)[32]);
// The bits of the clipboard's CF_BITMAP, "" when there is none.
std::string ClipboardBitmapBits();
// The whole block of that format, as many bytes as it has; "" when none.
std::string ClipboardBlock(UINT format);

// CF_TEXT up to its NUL (within the block), "" when there is none.
std::string ClipboardText();

} // namespace support

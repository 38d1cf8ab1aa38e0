#include "capture/ClipboardText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {
// A block as a program puts it on the clipboard: the text, its NUL, and
// whatever else the owner allocated (filled with 'x' to be noticed).
std::vector<char> Block(const std::string& text, std::size_t size)
{
    std::vector<char> block(size, 'x');
    std::memcpy(block.data(), text.c_str(), std::min(size, text.size() + 1));
    return block;
}

std::string Read(const std::vector<char>& block) { return TextOfClipboardBlock(block.data(), block.size()); }
}  // namespace

TEST(ClipboardText, TooLongTextIsTheFixedBulgarianMessage)
{
    // "Много голяма дума" in Windows-1251.
    const unsigned char cp1251[] = {0xCC, 0xED, 0xEE, 0xE3, 0xEE, 0x20, 0xE3, 0xEE, 0xEB, 0xFF,
                                    0xEC, 0xE0, 0x20, 0xE4, 0xF3, 0xEC, 0xE0, 0x00};
    EXPECT_STREQ(reinterpret_cast<const char*>(cp1251), TEXT_WORD_TOO_LONG);
}

TEST(ClipboardText, BlockUnder64BytesIsKeptWhole)
{
    EXPECT_EQ("two words here", Read(Block("two words here", 15)));
    EXPECT_EQ("  apple  ", Read(Block("  apple  ", 63)));
    EXPECT_EQ("nospace", Read(Block("nospace", 8)));
}

TEST(ClipboardText, BlockOf64BytesOrMoreIsCutAtTheFirstSpace)
{
    std::string sentence = "Sentences of a hundred characters are cut down to the first word they hold, here Sentences.";
    EXPECT_EQ("Sentences", Read(Block(sentence, sentence.size() + 1)));
    // The size of the block decides, not the length of the text.
    EXPECT_EQ("short", Read(Block("short text", 64)));
    EXPECT_EQ("short text", Read(Block("short text", 63)));
}

TEST(ClipboardText, LargeBlockWithoutSpaceGivesTheFixedMessage)
{
    EXPECT_EQ(TEXT_WORD_TOO_LONG, Read(Block("word", 64)));
    EXPECT_EQ(TEXT_WORD_TOO_LONG, Read(Block(std::string(100, 'a'), 101)));
}

TEST(ClipboardText, LargeBlockBeginningWithSpaceGivesEmptyWord)
{
    EXPECT_EQ("", Read(Block(" leading space and then some more words to pass sixty-four bytes", 100)));
}

TEST(ClipboardText, LongFirstWordIsLookedUpWhole)
{
    std::string word(40, 'w');
    EXPECT_EQ(word, Read(Block(word + " tail", 200)));
    std::string longest(CLIPBOARD_BUFFER_SIZE - 1, 'w');
    EXPECT_EQ(longest, Read(Block(longest + " tail", 400)));
}

TEST(ClipboardText, FirstWordThatCannotFitTheBufferIsNeverCut)
{
    std::string word(CLIPBOARD_BUFFER_SIZE, 'w');
    EXPECT_EQ(TEXT_WORD_TOO_LONG, Read(Block(word + " tail", 1000)));
}

TEST(ClipboardText, BlockWithoutNulIsReadOnlyToItsEnd)
{
    // Exactly the allocated bytes, no terminator: the sanitizers would catch
    // a read past them.
    std::vector<char> small = {'a', 'b', 'c'};
    EXPECT_EQ("abc", Read(small));
    std::vector<char> large(100, 'z');
    EXPECT_EQ(TEXT_WORD_TOO_LONG, Read(large));
    std::vector<char> words(100, 'z');
    words[5] = ' ';
    EXPECT_EQ("zzzzz", Read(words));
}

TEST(ClipboardText, HugeTextGivesItsFirstWord)
{
    std::string huge = "first " + std::string(4 * 1024 * 1024, 'h');
    EXPECT_EQ("first", TextOfClipboardBlock(huge.data(), huge.size()));
}

TEST(ClipboardText, EmptyOrMissingBlock)
{
    EXPECT_EQ("", TextOfClipboardBlock(nullptr, 100));
    char nul = '\0';
    EXPECT_EQ("", TextOfClipboardBlock(&nul, 0));
    EXPECT_EQ("", TextOfClipboardBlock(&nul, 1));
}

TEST(ClipboardText, ResultAlwaysFitsTheBuffer)
{
    for (std::size_t size : {1u, 63u, 64u, 255u, 256u, 257u, 5000u}) {
        std::vector<char> block(size, 'q');
        if (size > 300)
            block[280] = ' ';
        EXPECT_LT(Read(block).size(), CLIPBOARD_BUFFER_SIZE) << size;
    }
}

TEST(ClipboardText, FirstWordIn)
{
    EXPECT_EQ("hello", FirstWordIn("hello world", 11));
    EXPECT_EQ("", FirstWordIn(" hello", 6));
    EXPECT_EQ(TEXT_WORD_TOO_LONG, FirstWordIn("hello", 5));
    // Only the given length is searched.
    EXPECT_EQ(TEXT_WORD_TOO_LONG, FirstWordIn("hello world", 5));
    // Tabs and line ends are not spaces.
    EXPECT_EQ("a\tb\nc", FirstWordIn("a\tb\nc d", 7));
}

TEST(ClipboardText, CopyToBufferCutsAndTerminates)
{
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    CopyToBuffer("0123456789", buffer, sizeof buffer);
    EXPECT_STREQ("0123456", buffer);
    CopyToBuffer("ab", buffer, sizeof buffer);
    EXPECT_STREQ("ab", buffer);
}

TEST(ClipboardText, StripSpacesOnlyTouchesCode32)
{
    EXPECT_EQ("apple", StripSpaces("  apple  "));
    EXPECT_EQ("", StripSpaces("     "));
    EXPECT_EQ("", StripSpaces(""));
    EXPECT_EQ("\tapple\r\n", StripSpaces(" \tapple\r\n "));
    EXPECT_EQ("a b", StripSpaces(" a b "));
}

namespace {
// A CF_UNICODETEXT block: the text as little-endian UTF-16, its NUL, and the
// rest of size bytes filled with 'x'.
std::vector<char> WideBlock(const std::u16string& text, std::size_t size)
{
    std::vector<char> block(size, 'x');
    for (std::size_t i = 0; i <= text.size() && 2 * i + 1 < size; ++i) {
        const char16_t unit = i < text.size() ? text[i] : u'\0';
        block[2 * i] = static_cast<char>(unit & 0xFF);
        block[2 * i + 1] = static_cast<char>(unit >> 8);
    }
    return block;
}
std::string ReadWide(const std::vector<char>& block) { return TextOfUnicodeClipboardBlock(block.data(), block.size()); }
}  // namespace

TEST(ClipboardUnicodeText, BulgarianComesAsWindows1251AndWhatItLacksAsQuestionMarks)
{
    EXPECT_EQ("\xEA\xFA\xF9\xE0", ReadWide(WideBlock(u"\u043A\u044A\u0449\u0430", 10)));   // къща
    EXPECT_EQ("caf? ?", ReadWide(WideBlock(u"caf\u00E9 \U0001F600", 16)));
}

TEST(ClipboardUnicodeText, HostileBlocksAreReadOnlyWithinThemselves)
{
    EXPECT_EQ("", TextOfUnicodeClipboardBlock(nullptr, 100));
    const std::vector<char> one = {'a'};
    EXPECT_EQ("", ReadWide(one));                           // less than one character
    const std::vector<char> odd = {'a', 0, 'b', 0, 'c'};    // no NUL, an odd byte over
    EXPECT_EQ("ab", ReadWide(odd));
    EXPECT_EQ("", TextOfUnicodeClipboardBlock(odd.data(), 0));
}

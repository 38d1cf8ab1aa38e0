#include "capture/ControlSelection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// The lines of a multi-line edit holding `text` (lines end in "\r\n"), each
// read whole.
std::vector<ControlLine> EditLines(const std::wstring& text)
{
    std::vector<ControlLine> lines;
    std::size_t index = 0;
    for (;;) {
        const std::size_t lineEnd = text.find(L"\r\n", index);
        const std::size_t length = (lineEnd == std::wstring::npos ? text.size() : lineEnd) - index;
        lines.push_back({index, length, text.substr(index, length)});
        if (lineEnd == std::wstring::npos)
            return lines;
        index = lineEnd + 2;
    }
}

// The UTF-16 text of a CF_UNICODETEXT block and its NUL, as the clipboard road reads it.
std::string AsCopied(const std::wstring& text)
{
    std::string block;
    for (wchar_t c : text + L'\0') {
        block += static_cast<char>(c & 0xFF);
        block += static_cast<char>(c >> 8);
    }
    return TextOfUnicodeClipboardBlock(block.data(), block.size());
}
}  // namespace

TEST(ControlSelection, EditAndRichEditClassesAreRecognisedInAnyCase)
{
    for (const wchar_t* name : {L"Edit", L"EDIT", L"RichEdit", L"RichEdit20A", L"RichEdit20W", L"RICHEDIT50W",
                                L"RICHEDIT60W"})
        EXPECT_TRUE(IsEditClass(name)) << name;
    for (const wchar_t* name : {L"", L"Static", L"EditX", L"Rich", L"Internet Explorer_Server", L"CopyTargetCount"})
        EXPECT_FALSE(IsEditClass(name)) << name;
}

TEST(ControlSelection, ShortSelectionIsReadWholeALongOneAsFarAsItsFirstWordCanFit)
{
    EXPECT_EQ(0u, CharsNeeded(0));
    EXPECT_EQ(62u, CharsNeeded(62));
    EXPECT_EQ(512u, CharsNeeded(512));
    EXPECT_EQ(512u, CharsNeeded(1000000));
}

TEST(ControlSelection, SelectionWithinALineAndAcrossLines)
{
    const auto lines = EditLines(L"apple\r\nhouse pear\r\n\r\nend");
    EXPECT_EQ(L"ppl", SelectedText(1, 4, {lines[0]}, 100));
    EXPECT_EQ(L"house", SelectedText(7, 12, {lines[1]}, 100));
    EXPECT_EQ(L"le\r\nhou", SelectedText(3, 10, {lines[0], lines[1]}, 100));
    EXPECT_EQ(L"pear\r\n\r\ne", SelectedText(13, 22, {lines[1], lines[2], lines[3]}, 100));
    EXPECT_EQ(L"le\r\nh", SelectedText(3, 10, {lines[0], lines[1]}, 5));
}

TEST(ControlSelection, LineWrappedWithoutABreakJoinsTheNext)
{
    // Word wrap: the second line starts where the first ends.
    const std::vector<ControlLine> lines = {{0, 6, L"apple "}, {6, 5, L"house"}};
    EXPECT_EQ(L"apple house", SelectedText(0, 11, lines, 100));
}

TEST(ControlSelection, ALinePartlyReadGivesOnlyWhatWasRead)
{
    const std::vector<ControlLine> lines = {{0, 1000, L"apple house"}};
    EXPECT_EQ(L"house", SelectedText(6, 900, lines, 512));
}

TEST(ControlSelection, LookedUpAsTheSameSelectionCopied)
{
    const std::wstring sentence = L"Sentences of a hundred characters are cut down to the first word they hold.";
    for (const std::wstring& text : {std::wstring(L"two words"), std::wstring(62, L'a') + L" b",
                                     std::wstring(L"  apple  "), sentence, std::wstring(300, L'x') + L" y",
                                     std::wstring(L"\x0434\x0443\x043C\x0430 word")})
        EXPECT_EQ(AsCopied(text), LookupTextOfSelection(text, text.size(), PlainCp1251)) << text.size();
}

TEST(ControlSelection, LongSelectionNeedsOnlyItsStart)
{
    const std::wstring start = std::wstring(L"Selected ") + std::wstring(CharsNeeded(100000) - 9, L'z');
    EXPECT_EQ("Selected", LookupTextOfSelection(start, 100000, PlainCp1251));
    EXPECT_EQ("two words", LookupTextOfSelection(L"two words", 9, PlainCp1251));
    EXPECT_EQ("two", LookupTextOfSelection(L"two words", 63, PlainCp1251));
}

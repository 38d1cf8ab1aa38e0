// The rules of a selection read straight from an edit control, on whatever
// the control answers. Lines with any index and length (a control may lie)
// give at most the limit and only their own characters; a document whose
// lines follow one another gives exactly the characters selected, a break
// as "\r\n"; and reading only CharsNeeded characters of a selection looks up
// the same text as reading all of it, which is also what its CF_TEXT block
// would give.
#include "capture/ControlSelection.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_at >= m_size; }
    std::size_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::size_t Number(int bytes)
    {
        std::size_t n = 0;
        for (int i = 0; i < bytes; ++i)
            n = n << 8 | Byte();
        return n;
    }
    // Characters of the Basic Multilingual Plane, no NUL and no surrogate:
    // one byte each in a CF_TEXT block.
    std::wstring Text()
    {
        std::wstring text;
        for (std::size_t n = Byte(); n > 0 && !Empty(); --n) {
            wchar_t c = static_cast<wchar_t>(Number(2));
            if (c == 0 || (c >= 0xD800 && c <= 0xDFFF))
                c = L'a';
            text += c;
        }
        return text;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

void CheckHostileLines(Input& in)
{
    const std::size_t start = in.Number(8), end = in.Number(8), limit = in.Number(2);
    std::vector<ControlLine> lines;
    std::wstring all = L"\r\n";
    while (!in.Empty() && lines.size() < 16) {
        ControlLine line{in.Number(8), in.Number(8), in.Text()};
        all += line.text;
        lines.push_back(line);
    }
    const std::wstring text = SelectedText(start, end, lines, limit);
    FUZZ_CHECK(text.size() <= limit, "never more than the limit");
    for (wchar_t c : text)
        FUZZ_CHECK(all.find(c) != std::wstring::npos, "only the lines' characters and line breaks");
}

void CheckDocument(Input& in)
{
    // Lines that follow one another, each ended by a break ("\r\n", counted
    // as two characters, as an edit control counts it) or wrapped.
    std::vector<ControlLine> lines;
    std::vector<bool> breaks;
    std::wstring document;
    while (!in.Empty() && lines.size() < 8) {
        const bool broken = in.Byte() & 1;
        ControlLine line{document.size(), 0, in.Text()};
        line.length = line.text.size();
        document += line.text;
        if (broken)
            document += L"\r\n";
        lines.push_back(line);
        breaks.push_back(broken);
    }
    if (lines.empty())
        return;
    if (breaks.back()) {   // the last line of a control has no break after it
        breaks.back() = false;
        document.resize(document.size() - 2);
    }
    // A selection starts and ends on characters of lines, never inside a break.
    std::size_t first = in.Byte() % lines.size();
    std::size_t start = lines[first].index + in.Byte() % (lines[first].length + 1);
    std::size_t last = first + in.Byte() % (lines.size() - first);
    std::size_t end = lines[last].index + in.Byte() % (lines[last].length + 1);
    if (end < start)
        end = start;
    if (breaks[last] && end == lines[last].index + lines[last].length && in.Byte() & 1)
        end += 2;   // the break itself selected
    const std::vector<ControlLine> read(lines.begin() + first, lines.end());
    const std::size_t limit = in.Number(2);
    const std::wstring expected = document.substr(start, end - start);
    FUZZ_CHECK(SelectedText(start, end, read, limit) == expected.substr(0, limit),
               "the characters selected, a break as \"\\r\\n\"");

    const std::string whole = LookupTextOfSelection(expected, expected.size(), PlainCp1251);
    const std::wstring needed = expected.substr(0, CharsNeeded(expected.size()));
    FUZZ_CHECK(LookupTextOfSelection(needed, expected.size(), PlainCp1251) == whole,
               "the characters read are enough for the lookup");
    const std::string block = PlainCp1251(expected);
    FUZZ_CHECK(TextOfClipboardBlock(block.c_str(), block.size() + 1) == whole,
               "the same text as the selection's CF_TEXT block");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in(data, size);
    if (in.Byte() & 1)
        CheckHostileLines(in);
    else
        CheckDocument(in);
    return 0;
}

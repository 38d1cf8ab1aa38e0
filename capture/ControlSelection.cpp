#include "capture/ControlSelection.h"

#include <algorithm>
#include <cwctype>

bool IsEditClass(const std::wstring& className)
{
    std::wstring name;
    for (wchar_t c : className)
        name += static_cast<wchar_t>(std::towlower(c));
    return name == L"edit" || name.compare(0, 8, L"richedit") == 0;
}

std::size_t CharsNeeded(std::size_t selected)
{
    // A surrogate pair, two characters here, is one byte of the buffer.
    return std::min(selected, 2 * CLIPBOARD_BUFFER_SIZE);
}

std::wstring SelectedText(std::size_t start, std::size_t end, const std::vector<ControlLine>& lines,
                          std::size_t limit)
{
    std::wstring text;
    for (std::size_t i = 0; i < lines.size() && text.size() < limit; ++i) {
        const ControlLine& line = lines[i];
        if (end <= line.index)
            break;
        const std::size_t lineEnd = line.index + line.length;
        const std::size_t from = std::max(start, line.index) - line.index;
        const std::size_t to = std::min(std::min(end, lineEnd) - line.index, line.text.size());
        if (from < to)
            text.append(line.text, from, to - from);
        const bool breakFollows = i + 1 < lines.size() && lines[i + 1].index > lineEnd;
        if (end > lineEnd && breakFollows)
            text += L"\r\n";
    }
    return text.substr(0, limit);
}

std::string LookupTextOfSelection(const std::wstring& text, std::size_t selected, WideToLookup convert)
{
    return TextOfUnicodeText(text, selected + 1, convert);
}

#include "ui/ShownText.h"

#include "text/Cp1251Utf16.h"
#include "ui/HistoryRows.h"

std::wstring ShownText(const std::string& text, const std::string& entry, const std::string& said)
{
    if (said.empty() || text.empty() || entry.empty())
        return cp1251::ToUtf16(text);
    const std::string named = entry + ": ";
    const std::wstring pronunciation = L" " + history::WideFromUtf8(said);
    if (text.compare(0, named.size(), named) == 0)
        return cp1251::ToUtf16(entry) + pronunciation + cp1251::ToUtf16(text.substr(entry.size()));
    return cp1251::ToUtf16(entry) + pronunciation + L": " + cp1251::ToUtf16(text);
}

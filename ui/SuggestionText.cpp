#include "ui/SuggestionText.h"

#include "text/Cp1251Case.h"

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string ListTextOf(const std::string& word)
{
    std::size_t first = 0;
    while (first < word.size() && IsBlank(word[first]))
        ++first;
    std::size_t end = word.size();
    while (end > first && IsBlank(word[end - 1]))
        --end;
    std::string text = word.substr(first, end - first);
    for (char& c : text)
        c = (char)ToLower1251((unsigned char)c);
    return text;
}

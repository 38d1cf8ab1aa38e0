#include "ui/SuggestionText.h"

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

unsigned char ToLower1251(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF))
        return c + 0x20;
    switch (c) {
    case 0x80: return 0x90;   // Ђ ђ
    case 0x81: return 0x83;   // Ѓ ѓ
    case 0x8A: return 0x9A;   // Љ љ
    case 0x8C: return 0x9C;   // Њ њ
    case 0x8D: return 0x9D;   // Ќ ќ
    case 0x8E: return 0x9E;   // Ћ ћ
    case 0x8F: return 0x9F;   // Џ џ
    case 0xA1: return 0xA2;   // Ў ў
    case 0xA3: return 0xBC;   // Ј ј
    case 0xA5: return 0xB4;   // Ґ ґ
    case 0xA8: return 0xB8;   // Ё ё
    case 0xAA: return 0xBA;   // Є є
    case 0xAF: return 0xBF;   // Ї ї
    case 0xB2: return 0xB3;   // І і
    case 0xBD: return 0xBE;   // Ѕ ѕ
    default: return c;
    }
}

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

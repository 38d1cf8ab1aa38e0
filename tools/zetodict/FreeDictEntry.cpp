#include "tools/zetodict/FreeDictEntry.h"

#include <cctype>
#include <sstream>

namespace {

std::string Trim(const std::string& s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

// "12. rest" or "12." at the start of a line: the number and what follows.
bool SenseNumber(const std::string& line, int* number, std::string* rest)
{
    std::size_t i = 0;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])))
        ++i;
    if (i == 0 || i > 4 || i >= line.size() || line[i] != '.')
        return false;
    if (i + 1 < line.size() && line[i + 1] != ' ')
        return false;
    *number = std::stoi(line.substr(0, i));
    *rest = i + 2 <= line.size() ? line.substr(i + 2) : std::string();
    return true;
}

// Drops a trailing " 2." that announces the sub-senses on the next lines.
std::string WithoutSubSenseMark(std::string line)
{
    std::size_t end = line.size();
    if (end >= 2 && line[end - 1] == '.') {
        std::size_t i = end - 1;
        while (i > 0 && std::isdigit(static_cast<unsigned char>(line[i - 1])))
            --i;
        if (i < end - 1 && (i == 0 || line[i - 1] == ' '))
            line.erase(i == 0 ? 0 : i - 1);
    }
    return line;
}

// Wiktionary links survive in some lines: [[lemma|form]] reads as the form,
// [[word]] as the word.
std::string WithoutWikiLinks(const std::string& line)
{
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = line.find("[[", pos);
        const std::size_t close = open == std::string::npos ? open : line.find("]]", open + 2);
        if (close == std::string::npos) {
            out += line.substr(pos);
            return out;
        }
        out += line.substr(pos, open - pos);
        const std::string inner = line.substr(open + 2, close - open - 2);
        const std::size_t bar = inner.rfind('|');
        out += bar == std::string::npos ? inner : inner.substr(bar + 1);
        pos = close + 2;
    }
}

// Splits at commas outside parentheses.
void AddEquivalents(const std::string& line, std::vector<std::string>& out)
{
    int depth = 0;
    std::string current;
    auto flush = [&]() {
        std::string t = Trim(current);
        if (!t.empty())
            out.push_back(t);
        current.clear();
    };
    for (char c : line) {
        if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        if (c == ',' && depth == 0)
            flush();
        else
            current += c;
    }
    flush();
}

// "//ˈbɹʌðə(ɹ)// //ˈbɹʌðɚ//" or "/tʃˈɜːtʃ sˈɜːvɪs/": each between its
// slashes, doubled or single; an unclosed one is left out.
std::vector<std::string> Pronunciations(const std::string& text)
{
    std::vector<std::string> found;
    std::size_t at = text.find('/');
    while (at != std::string::npos) {
        const std::string mark = text.compare(at, 2, "//") == 0 ? "//" : "/";
        const std::size_t close = text.find(mark, at + mark.size());
        if (close == std::string::npos)
            break;
        const std::string ipa = Trim(text.substr(at + mark.size(), close - at - mark.size()));
        if (!ipa.empty())
            found.push_back(ipa);
        at = text.find('/', close + mark.size());
    }
    return found;
}

void ParseHeadline(const std::string& line, FreeDictEntry& entry)
{
    std::string rest = line;
    if (!rest.empty() && rest.back() == '>') {
        const std::size_t open = rest.rfind(" <");
        if (open != std::string::npos) {
            entry.partOfSpeech = rest.substr(open + 2, rest.size() - open - 3);
            rest.erase(open);
        }
    }
    const std::size_t pron = rest.find(" /");
    if (pron != std::string::npos) {
        entry.pronunciations = Pronunciations(rest.substr(pron + 1));
        rest.erase(pron);
    }
    entry.headword = Trim(rest);
}

} // namespace

FreeDictEntry FreeDictEntry::Parse(const std::string& text)
{
    FreeDictEntry entry;
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line))
        return entry;
    ParseHeadline(line, entry);

    // The first line after the headline always holds equivalents; later ones
    // only when they carry the next sense number (a gloss never does).
    int next = 1;
    bool first = true;
    while (std::getline(in, line)) {
        int number = 0;
        std::string rest;
        const bool numbered = SenseNumber(line, &number, &rest);
        if (first) {
            first = false;
            if (numbered && number == 1) {
                next = 2;
                line = rest;
            }
        } else if (numbered && number == next) {
            ++next;
            line = rest;
        } else {
            continue;   // a gloss or a sub-sense mark
        }
        AddEquivalents(WithoutWikiLinks(WithoutSubSenseMark(line)), entry.equivalents);
    }
    return entry;
}

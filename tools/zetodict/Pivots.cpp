#include "tools/zetodict/Pivots.h"

#include "dictionary/Dictionary.h"
#include "text/Cp1251.h"
#include "text/Cp1251Case.h"
#include "text/Utf8Sequence.h"
#include "tools/zetodict/FreeDictEntry.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string Trim(const std::string& s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsSpace(s[b]))
        ++b;
    while (e > b && IsSpace(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

bool StartsWith(const std::string& s, const char* head) { return s.compare(0, std::strlen(head), head) == 0; }

// Drops every part between the given brackets (not nested across kinds).
std::string WithoutBracketed(const std::string& s, char open, char close)
{
    std::string out;
    int depth = 0;
    for (char c : s) {
        if (c == open)
            ++depth;
        else if (c == close && depth > 0)
            --depth;
        else if (depth == 0)
            out += c;
    }
    return out;
}

// "I.", "II.", "1.", "12." at the front, as often as they stand there
// ("I.  <N> 1.  budynek"). True when a sense number was among them.
bool StripLeadingNumbers(std::string& s)
{
    bool numbered = false;
    for (;;) {
        s = Trim(s);
        std::size_t i = 0;
        const bool roman = s.find_first_not_of("IVX") > 0 && s.find_first_not_of("IVX") != std::string::npos;
        if (roman)
            i = s.find_first_not_of("IVX");
        else
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
                ++i;
        if (i == 0 || i >= s.size() || s[i] != '.' || (i + 1 < s.size() && s[i + 1] != ' '))
            return numbered;
        numbered = numbered || !roman;
        s.erase(0, i + 1);
    }
}

// A trailing " 2." announces sub-senses on the next lines.
std::string WithoutTrailingNumber(std::string s)
{
    std::size_t i = s.size();
    if (i < 2 || s[i - 1] != '.')
        return s;
    --i;
    while (i > 0 && std::isdigit(static_cast<unsigned char>(s[i - 1])))
        --i;
    if (i < s.size() - 1 && i > 0 && s[i - 1] == ' ')
        s.erase(i - 1);
    return s;
}

// Lower case for the scripts of the pivot languages: ASCII, Latin-1,
// Latin Extended-A and Greek; other characters are kept.
std::string LowerUtf8(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const cp1251::Utf8Sequence seq = cp1251::DecodeUtf8(s.data(), s.size(), i);
        std::uint32_t c = seq.codePoint;
        if (!seq.wellFormed || seq.length == 1) {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
            i += seq.length;
            continue;
        }
        if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2))
            c += 0x20;
        else if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177))
            c |= 1;
        else if (((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) && (c & 1))
            c += 1;
        if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out.append(s, i, seq.length);
        }
        i += seq.length;
    }
    return out;
}

} // namespace

bool PivotSupport::Dictionary::Parse(std::istream& index, const std::string& indexName, std::string dictText,
                                     const std::string& dictName, std::string* error)
{
    std::vector<DictdIndexLine> lines;
    if (!ParseDictdIndex(index, indexName, dictText.size(), dictName, lines, error))
        return false;
    text = std::move(dictText);
    entries.reserve(lines.size());
    for (DictdIndexLine& line : lines) {
        std::string word = line.word;
        entries.emplace(std::move(word), std::move(line));
    }
    return true;
}

bool PivotSupport::Dictionary::Read(const std::string& input, std::string* error)
{
    std::string indexPath;
    std::string dictText;
    if (!ReadDictdFiles(input, &indexPath, &dictText, error))
        return false;
    std::ifstream index(indexPath, std::ios::binary);
    return Parse(index, indexPath, std::move(dictText), input, error);
}

bool PivotSupport::AddLanguage(const std::string& name, Dictionary englishToX, Dictionary xToBulgarian,
                               std::string* error)
{
    if (m_names.size() == MAX_LANGUAGES) {
        *error = "more than " + std::to_string(MAX_LANGUAGES) + " pivot languages";
        return false;
    }
    m_names.push_back(name);
    m_languages.push_back(Language{std::move(englishToX), std::move(xToBulgarian)});
    m_cache.clear();
    return true;
}

bool PivotSupport::AddLanguageFiles(const std::string& englishToX, const std::string& xToBulgarian,
                                    std::string* error)
{
    Dictionary there;
    Dictionary back;
    if (!there.Read(englishToX, error) || !back.Read(xToBulgarian, error))
        return false;
    std::string name = englishToX.substr(englishToX.find_last_of("/\\") + 1);
    name = name.substr(0, name.find('.'));
    name = name.substr(name.find_last_of('-') + 1);
    return AddLanguage(name, std::move(there), std::move(back), error);
}

std::vector<std::string> PivotSupport::PivotWords(const std::string& entryText)
{
    std::vector<std::string> words;
    std::istringstream in(entryText);
    std::string line;
    std::getline(in, line);   // the headline
    bool first = true;
    while (std::getline(in, line)) {
        std::string t = Trim(line);
        if (t.empty() || t[0] == '"' || t[0] == '{' || t[0] == '-' || StartsWith(t, "Synonym")
            || StartsWith(t, "see:") || StartsWith(t, "Note:"))
            continue;
        t = WithoutBracketed(WithoutBracketed(WithoutBracketed(WithoutBracketed(t, '<', '>'), '[', ']'),
                                              '(', ')'), '{', '}');
        const bool numbered = StripLeadingNumbers(t);
        // The first line holds equivalents; later ones only with a sense
        // number (the others are glosses).
        if (!first && !numbered)
            continue;
        first = false;
        std::string current;
        for (char c : WithoutTrailingNumber(t) + ",") {
            if (c != ',' && c != ';') {
                current += c;
                continue;
            }
            std::string word = Trim(current);
            current.clear();
            if (!word.empty() && word.find('/') == std::string::npos)
                words.push_back(word);
        }
    }
    return words;
}

std::string PivotSupport::ComparisonKey(const std::string& cp1251Equivalent)
{
    std::string key;
    for (char c : WithoutBracketed(cp1251Equivalent, '(', ')')) {
        if (IsSpace(c)) {
            if (!key.empty() && key.back() != ' ')
                key += ' ';
        } else {
            key += static_cast<char>(ToLower1251(static_cast<unsigned char>(c)));
        }
    }
    if (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

const PivotSupport::Reached& PivotSupport::ReachedFrom(const std::string& english) const
{
    auto cached = m_cache.find(english);
    if (cached != m_cache.end())
        return cached->second;
    Reached reached(m_languages.size());
    for (std::size_t l = 0; l < m_languages.size(); ++l) {
        const Language& language = m_languages[l];
        std::set<std::string> keys;
        const auto there = language.englishToX.entries.equal_range(english);
        for (auto e = there.first; e != there.second; ++e) {
            const std::string entry = language.englishToX.text.substr(e->second.offset, e->second.length);
            for (const std::string& word : PivotWords(entry)) {
                const auto back = language.xToBulgarian.entries.equal_range(LowerUtf8(word));
                for (auto b = back.first; b != back.second; ++b) {
                    const FreeDictEntry bulgarian = FreeDictEntry::Parse(
                        language.xToBulgarian.text.substr(b->second.offset, b->second.length));
                    for (const std::string& equivalent : bulgarian.equivalents)
                        keys.insert(ComparisonKey(cp1251::FromUtf8(equivalent).text));
                }
            }
        }
        reached[l].assign(keys.begin(), keys.end());
    }
    return m_cache.emplace(english, std::move(reached)).first->second;
}

std::uint32_t PivotSupport::Languages(const std::string& english, const std::string& bulgarian) const
{
    if (m_languages.empty())
        return 0;
    const Reached& reached = ReachedFrom(CDictionary::FoldWord(english));
    const std::string key = ComparisonKey(bulgarian);
    std::uint32_t languages = 0;
    for (std::size_t l = 0; l < reached.size(); ++l)
        if (std::binary_search(reached[l].begin(), reached[l].end(), key))
            languages |= 1u << l;
    return languages;
}

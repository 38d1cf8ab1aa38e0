#include "dictionary/SpellingVariants.h"

#include <algorithm>
#include <cstring>

namespace {

// One spelling and its counterpart, each followed by one of the endings
// (the empty one: at the word's end).
struct Pair {
    const char* british;
    const char* american;
    const char* endings[8];
};

const Pair PAIRS[] = {
    {"our", "or", {"", "s", "ed", "ing", "ite", "ites", "hood", "ful"}},
    {"tre", "ter", {"", "s", "d"}},
    {"bre", "ber", {"", "s"}},
    {"oeuvre", "euver", {"", "s", "d"}},
    {"dgement", "dgment", {"", "s"}},
    {"is", "iz", {"e", "es", "ed", "ing", "er", "ers", "ation", "ations"}},
    {"ys", "yz", {"e", "es", "ed", "ing", "er", "ers"}},
    {"ence", "ense", {"", "s", "less"}},
    {"ogue", "og", {"", "s"}},
    {"amme", "am", {"", "s"}},
    {"ll", "l", {"ed", "ing", "er", "ers"}},
    {"ey", "ay", {"", "s"}},
    {"ellery", "elry", {""}},
    {"osy", "ozy", {""}},
};

// Words whose two spellings no family of rules covers.
const char* const WORD_PAIRS[][2] = {
    {"plough", "plow"}, {"moustache", "mustache"}, {"aluminium", "aluminum"}, {"sceptic", "skeptic"},
    {"pyjamas", "pajamas"}, {"tyre", "tire"}, {"kerb", "curb"}, {"cheque", "check"},
};

// Prefixes written closed or with a hyphen (nonsmoker, non-smoker).
const char* const PREFIXES[] = {"non", "co", "re", "pre", "anti", "self", "semi", "multi", "ex"};

// Greek and Latin "ae" written "e" (encyclopaedia, anaemia, archaeology).
void AddWithoutAe(std::vector<std::string>& out, const std::string& word)
{
    for (std::size_t i = 1; i + 2 < word.size(); ++i)
        if (word.compare(i, 2, "ae") == 0 && !std::strchr("aeiou", word[i - 1]))
            out.push_back(word.substr(0, i) + word.substr(i + 1));
}

bool EndsWith(const std::string& word, const std::string& tail)
{
    return word.size() > tail.size() && word.compare(word.size() - tail.size(), tail.size(), tail) == 0;
}

void Add(std::vector<std::string>& out, const std::string& word, const std::string& variant)
{
    if (!variant.empty() && variant != word && std::find(out.begin(), out.end(), variant) == out.end())
        out.push_back(variant);
}

// Replaces `from` + ending at the word's end by `to` + ending.
void Swap(std::vector<std::string>& out, const std::string& word, const char* from, const char* to,
          const char* const* endings, std::size_t count)
{
    for (std::size_t i = 0; i < count && endings[i]; ++i) {
        const std::string tail = std::string(from) + endings[i];
        if (EndsWith(word, tail))
            Add(out, word, word.substr(0, word.size() - tail.size()) + to + endings[i]);
    }
}

} // namespace

std::vector<std::string> SpellingVariants(const std::string& word)
{
    std::vector<std::string> out;
    for (const Pair& p : PAIRS) {
        const std::size_t count = sizeof p.endings / sizeof p.endings[0];
        Swap(out, word, p.british, p.american, p.endings, count);
        // The other way only where a doubled letter is not made from any l
        // that happens to end a stem (travel -> travelled, never fulled).
        if (std::strcmp(p.american, "l") != 0 || word.size() > 6)
            Swap(out, word, p.american, p.british, p.endings, count);
    }
    for (const auto& pair : WORD_PAIRS)
        for (int side = 0; side < 2; ++side)
            if (word == pair[side] || word == std::string(pair[side]) + "s")
                Add(out, word, pair[1 - side] + word.substr(std::strlen(pair[side])));
    std::vector<std::string> withoutAe;
    AddWithoutAe(withoutAe, word);
    for (const std::string& w : withoutAe)
        Add(out, word, w);
    // Compounds: a hyphen spaced or dropped, a space hyphenated or dropped
    // (the spaced or hyphenated form first: no-one is "no one" before
    // "noone"), a prefix hyphenated.
    for (const char mark : {'-', ' '}) {
        if (word.find(mark) == std::string::npos)
            continue;
        std::string closed;
        std::string other = word;
        for (char& c : other)
            if (c == mark)
                c = mark == '-' ? ' ' : '-';
        for (char c : word)
            if (c != mark)
                closed += c;
        Add(out, word, other);
        Add(out, word, closed);
    }
    for (const char* prefix : PREFIXES) {
        const std::size_t n = std::strlen(prefix);
        if (word.size() > n + 2 && word.compare(0, n, prefix) == 0 && word[n] != '-')
            Add(out, word, word.substr(0, n) + "-" + word.substr(n));
    }
    return out;
}

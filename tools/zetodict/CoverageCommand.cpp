#include "tools/zetodict/Commands.h"

#include "dictionary/FormLookup.h"
#include "tools/zetodict/Loading.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <unordered_map>

namespace {

bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The words of UTF-8 text as a reader would select them: runs of ASCII
// letters, kept together across an apostrophe between letters (it's,
// doesn't). The typographic apostrophe U+2019 counts as one.
class WordReader {
public:
    explicit WordReader(FILE* in) : m_in(in) {}

    bool Next(std::string* word)
    {
        word->clear();
        for (;;) {
            int c = Get();
            if (c == EOF)
                return !word->empty();
            if (IsLetter(static_cast<unsigned char>(c))) {
                *word += static_cast<char>(c);
            } else if (!word->empty() && IsApostrophe(c) && IsLetter(static_cast<unsigned char>(Peek()))) {
                *word += '\'';
            } else if (!word->empty()) {
                return true;
            }
        }
    }

private:
    int Get()
    {
        if (!m_pending.empty()) {
            const int c = m_pending.front();
            m_pending.erase(m_pending.begin());
            return c;
        }
        return std::fgetc(m_in);
    }
    int Peek()
    {
        if (m_pending.empty())
            m_pending.push_back(std::fgetc(m_in));
        return m_pending.front();
    }
    // ' or the three bytes of U+2019 (E2 80 99).
    bool IsApostrophe(int c)
    {
        if (c == '\'')
            return true;
        if (c != 0xE2)
            return false;
        while (m_pending.size() < 3)
            m_pending.push_back(std::fgetc(m_in));
        if (m_pending[0] != 0x80 || m_pending[1] != 0x99)
            return false;
        m_pending.erase(m_pending.begin(), m_pending.begin() + 2);
        return true;
    }

    FILE* m_in;
    std::vector<int> m_pending;
};

} // namespace

// zetodict coverage [--forms] [--misses N] FILE.dat... < text: how many of
// the text's words Zeto answers (plain lookup, or with base forms), and the
// N words (25 unless told) it misses most often.
int RunCoverage(const std::vector<std::string>& args, FILE* in, FILE* out, FILE* err)
{
    bool withForms = false;
    std::size_t topMisses = 25;
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--forms")
            withForms = true;
        else if (args[i] == "--misses" && i + 1 < args.size())
            topMisses = std::strtoul(args[++i].c_str(), nullptr, 10);
        else
            paths.push_back(args[i]);
    }
    if (paths.empty()) {
        std::fprintf(err, "usage: zetodict coverage [--forms] [--misses N] FILE.dat [FILE.dat...] < text\n");
        return 2;
    }
    CDictionary dict;
    CFormLookup lookup(dict);
    if (!LoadForLookup(paths, lookup, dict, withForms, "coverage", err))
        return 2;

    std::unordered_map<std::string, bool> answered;   // by the word as written
    std::map<std::string, long> misses;               // by the word in lower case
    std::set<std::string> writtenLower;               // misses the text also writes in lower case
    long tokens = 0;
    long hits = 0;
    WordReader reader(in);
    std::string word;
    while (reader.Next(&word)) {
        ++tokens;
        auto known = answered.find(word);
        if (known == answered.end())
            known = answered.emplace(word, lookup.Lookup(word.c_str(), withForms).text != CDictionary::MSG_NOT_FOUND)
                        .first;
        if (known->second)
            ++hits;
        else {
            ++misses[CDictionary::FoldWord(word)];
            if (word[0] >= 'a' && word[0] <= 'z')
                writtenLower.insert(CDictionary::FoldWord(word));
        }
    }
    // A miss the text never writes in lower case is most likely a name
    // (Twain, Debian): a dictionary is not expected to know it.
    long names = 0;
    for (const auto& miss : misses)
        if (!writtenLower.count(miss.first))
            names += miss.second;
    const auto percent = [](long part, long whole) { return whole ? 100.0 * part / whole : 0.0; };
    std::fprintf(out, "words: %ld\nanswered: %ld (%.1f%%)\n", tokens, hits, percent(hits, tokens));
    std::fprintf(out, "names (misses only ever capitalised): %ld; answered of the other words: %.1f%%\n", names,
                 percent(hits, tokens - names));
    std::vector<std::pair<std::string, long>> top(misses.begin(), misses.end());
    std::stable_sort(top.begin(), top.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    if (top.size() > topMisses)
        top.resize(topMisses);
    std::fprintf(out, "most frequent misses:");
    for (const auto& miss : top)
        std::fprintf(out, " %s %ld", miss.first.c_str(), miss.second);
    std::fprintf(out, "\n");
    return 0;
}

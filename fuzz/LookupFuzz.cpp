// CDictionary::Lookup on arbitrary queries against a dictionary built from the
// same input, compared with a plain model of the lookup rules: the search
// direction, the trimming, which equal entry wins, and the neighbour list.
//
// Input: lines. A line with a tab adds the pair word<TAB>translation (as Add
// New Word does, so adding and looking up interleave); any other line is a
// query. Texts end at a NUL, as C strings do.
#include "dictionary/Dictionary.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWord(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i]))
            return false;
    }
    return true;
}

// The lookup rules over a plain array of the dictionary's entries.
class LookupModel {
public:
    void Add(const CDictionary::Entry* entry) { m_entries.push_back(entry); }

    const char* Lookup(const std::string& query)
    {
        if (query.empty())
            return CDictionary::MSG_EMPTY_QUERY;
        const bool letterEnds = IsLetter(query.front()) && IsLetter(query.back());
        std::string word = query;
        bool forward = false;
        if (letterEnds) {
            const char first = Fold(query.front());
            forward = first >= 'a' && first <= 'j';
        } else {
            std::size_t begin = 0;
            while (begin < word.size() && !IsLetter(word[begin]))
                ++begin;
            std::size_t end = word.size();
            while (end > begin && !IsLetter(word[end - 1]))
                --end;
            word = word.substr(begin, end - begin);
        }
        const int n = static_cast<int>(m_entries.size());
        int found = -1;
        for (int k = 0; k < n && found < 0; ++k) {
            const int i = forward ? k : n - 1 - k;
            if (SameWord(WordAt(i), word))
                found = i;
        }
        if (found < 0)
            return CDictionary::MSG_NOT_FOUND;
        if (found + 10 < n)
            Rebuild(found);
        return m_entries[found]->pair.GetTranslation();
    }

    const std::string& Neighbour(int k) const { return m_neighbours[k]; }

private:
    std::string WordAt(int i) const { return m_entries[i]->pair.GetWord(); }

    void Rebuild(int found)
    {
        const int n = static_cast<int>(m_entries.size());
        m_neighbours[0] = WordAt(found);
        int cursor = found + 1;
        int k = 1;
        for (; k < 10 && cursor < n; ++k) {
            int candidate = cursor++;
            for (int j = 0; j < k; ++j) {
                if (SameWord(WordAt(candidate), m_neighbours[j])) {
                    candidate = cursor++;   // one skip per place
                    break;
                }
            }
            if (candidate >= n)
                break;
            m_neighbours[k] = WordAt(candidate);
        }
        for (; k < 10; ++k)
            m_neighbours[k].clear();   // the walk reached the tail
        std::size_t longest = 0;
        for (const std::string& s : m_neighbours)
            longest = s.size() > longest ? s.size() : longest;
        for (std::string& s : m_neighbours)
            s.resize(longest, ' ');
    }

    std::vector<const CDictionary::Entry*> m_entries;
    std::string m_neighbours[10];
};

// The line up to its first NUL.
std::string CString(const std::string& line)
{
    return line.substr(0, line.find('\0'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    CDictionary dictionary;
    LookupModel model;
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos)
            end = input.size();
        const std::string line = input.substr(start, end - start);
        start = end + 1;

        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos) {
            const std::string word = CString(line.substr(0, tab));
            const std::string translation = CString(line.substr(tab + 1));
            dictionary.AddPair(word.c_str(), translation.c_str());
            FUZZ_CHECK(dictionary.GetTail() != nullptr, "the added pair is the tail");
            FUZZ_CHECK(word == dictionary.GetTail()->pair.GetWord(), "the added word");
            FUZZ_CHECK(translation == dictionary.GetTail()->pair.GetTranslation(), "the added translation");
            model.Add(dictionary.GetTail());
            continue;
        }
        const std::string query = CString(line);
        const char* got = dictionary.Lookup(query.c_str());
        const char* want = model.Lookup(query);
        FUZZ_CHECK(got == want, "the lookup's result is the model's entry or message");
        for (int k = 0; k < 10; ++k)
            FUZZ_CHECK(dictionary.m_strNeighbours[k] == model.Neighbour(k), "the neighbour list");
    }
    return 0;
}

#include "dictionary/BaseForms.h"

#include "dictionary/Dictionary.h"

#include <algorithm>
#include <cstring>

namespace {

// Words that end like a plural or a verb form but are neither.
const char* const NOT_PLURALS[] = {"news", "series", "species", "means", "lens", "physics", "mathematics",
                                   "economics", "politics", "ethics", "measles", "always", "perhaps", "whereas"};

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsVowel(char c) { return std::strchr("aeiou", c) != nullptr && c != '\0'; }
bool IsApostrophe(char c) { return c == '\'' || c == '\x92'; }

bool EndsWith(const std::string& word, const char* suffix)
{
    const std::size_t n = std::strlen(suffix);
    return word.size() >= n && word.compare(word.size() - n, n, suffix) == 0;
}

// Collects candidates in order, each once, never the word itself. A
// candidate begins and ends with a letter, so the lookup searches it as it
// is rather than trimming it to some other word.
class Candidates {
public:
    explicit Candidates(const std::string& word) : m_word(word) {}
    void Add(const std::string& candidate)
    {
        if (!candidate.empty() && IsLower(candidate.front()) && IsLower(candidate.back()) && candidate != m_word
            && std::find(m_list.begin(), m_list.end(), candidate) == m_list.end())
            m_list.push_back(candidate);
    }
    std::vector<std::string> Take() { return std::move(m_list); }

private:
    const std::string& m_word;
    std::vector<std::string> m_list;
};

// hop, stop, us: a stem that a silent e most likely followed (hoped, used).
bool EndsConsonantVowelConsonant(const std::string& stem)
{
    const std::size_t n = stem.size();
    if (n < 2 || IsVowel(stem[n - 1]) || std::strchr("wxy", stem[n - 1]) || !IsVowel(stem[n - 2]))
        return false;
    return n == 2 || !IsVowel(stem[n - 3]);
}

// The stems of a word that lost an ending such as -ed, -ing, -er, -est.
void AddStems(const std::string& stem, Candidates& out)
{
    if (stem.size() < 2)
        return;
    const std::string withE = stem + 'e';
    if (EndsConsonantVowelConsonant(stem)) {
        out.Add(withE);
        out.Add(stem);
    } else {
        out.Add(stem);
        out.Add(withE);
    }
    const std::size_t n = stem.size();
    if (n >= 3 && stem[n - 1] == stem[n - 2] && !IsVowel(stem[n - 1]))
        out.Add(stem.substr(0, n - 1));   // stopp -> stop
}

void AddSuffixRules(const std::string& word, Candidates& out)
{
    const std::size_t n = word.size();
    auto cut = [&](std::size_t k) { return word.substr(0, n - k); };
    if (std::find_if(std::begin(NOT_PLURALS), std::end(NOT_PLURALS), [&](const char* w) { return word == w; })
        != std::end(NOT_PLURALS))
        return;
    if (EndsWith(word, "ies") && n > 4)
        out.Add(cut(3) + 'y');
    if (EndsWith(word, "ied") && n > 4)
        out.Add(cut(3) + 'y');
    if (EndsWith(word, "iest") && n > 5)
        out.Add(cut(4) + 'y');
    if (EndsWith(word, "ier") && n > 4)
        out.Add(cut(3) + 'y');

    if (EndsWith(word, "s") && n > 2 && !std::strchr("sui", word[n - 2])) {
        out.Add(cut(1));
        if (EndsWith(word, "es")) {
            const std::string stem = cut(2);
            if (EndsWith(stem, "s") || EndsWith(stem, "x") || EndsWith(stem, "z") || EndsWith(stem, "ch")
                || EndsWith(stem, "sh") || EndsWith(stem, "o"))
                out.Add(stem);
        }
    }
    if (EndsWith(word, "ed") && n > 3)
        AddStems(cut(2), out);
    if (EndsWith(word, "ing") && n > 4)
        AddStems(cut(3), out);
    if (EndsWith(word, "est") && n > 5)
        AddStems(cut(3), out);
    else if (EndsWith(word, "er") && n > 4)
        AddStems(cut(2), out);
    if (EndsWith(word, "ly") && n > 4) {
        if (EndsWith(word, "ily"))
            out.Add(cut(3) + 'y');        // happily
        if (EndsWith(word, "ally"))
            out.Add(cut(4));              // basically
        out.Add(cut(2));                  // quickly
        if (word[n - 3] == 'l')
            out.Add(cut(1));              // fully
    }
}

// The word's own exception-list bases, or else its suffix rules. A
// comparison the lists give only its adverb (deeper -> deeply) gets the
// adjective the adverb is made from first (deep).
void AddWordForms(const std::string& word, const CIrregularForms& irregular, Candidates& out)
{
    if (irregular.Lists(word)) {
        for (const std::string& base : irregular.BasesOf(word)) {
            const std::string adjective = EndsWith(base, "ly") ? base.substr(0, base.size() - 2) : std::string();
            if (!adjective.empty() && (word == adjective + "er" || word == adjective + "est"))
                out.Add(adjective);
            out.Add(base);
        }
        return;
    }
    if (std::all_of(word.begin(), word.end(), IsLower))
        AddSuffixRules(word, out);
}

// n't: the verb before it. Spelling changes for the few that have one.
std::string VerbBeforeNot(const std::string& stem)
{
    if (stem == "ca")
        return "can";
    if (stem == "wo")
        return "will";
    if (stem == "sha")
        return "shall";
    if (stem == "ai")
        return "be";
    return stem;
}

// True when the word is a contraction or possessive; its forms are added.
bool AddApostropheForms(const std::string& word, const CIrregularForms& irregular, Candidates& out)
{
    const std::size_t apostrophe = word.find_last_of("'\x92");
    if (apostrophe == std::string::npos)
        return false;
    const std::string before = word.substr(0, apostrophe);
    const std::string after = word.substr(apostrophe + 1);
    std::string stem;
    if (after.empty() && EndsWith(before, "s"))
        stem = before;   // houses'
    else if (after == "t" && EndsWith(before, "n") && before.size() > 1)
        stem = VerbBeforeNot(before.substr(0, before.size() - 1));
    else if (after == "s" || after == "m" || after == "re" || after == "ve" || after == "ll" || after == "d")
        stem = before;
    else
        return false;
    if (stem.empty() || std::any_of(stem.begin(), stem.end(), IsApostrophe))
        return true;
    out.Add(stem);
    AddWordForms(stem, irregular, out);
    return true;
}

} // namespace

std::vector<std::string> BaseFormCandidates(const std::string& word, const CIrregularForms& irregular)
{
    const std::string lower = CDictionary::FoldWord(word);
    Candidates out(lower);
    if (!AddApostropheForms(lower, irregular, out))
        AddWordForms(lower, irregular, out);
    return out.Take();
}

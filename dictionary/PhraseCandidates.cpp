#include "dictionary/PhraseCandidates.h"

#include "dictionary/BaseForms.h"
#include "dictionary/Dictionary.h"

#include <algorithm>

namespace {

const char* const DETERMINERS[] = {"the", "a", "an", "this", "that", "these", "those", "my", "your",
                                   "his", "her", "its", "our", "their", "some", "any", "every", "each",
                                   "another", "no"};
// What may stand between a verb and its particle: pronouns and the like.
const char* const SHORT_OBJECTS[] = {"it", "them", "him", "her", "me", "us", "you", "this", "that",
                                     "one", "something", "someone", "somebody", "everything"};

bool OneOf(const std::string& word, const char* const* list, std::size_t count)
{
    return std::any_of(list, list + count, [&](const char* w) { return word == w; });
}

void Add(std::vector<std::string>& out, const std::string& candidate)
{
    if (std::find(out.begin(), out.end(), candidate) == out.end())
        out.push_back(candidate);
}

} // namespace

std::vector<std::string> SelectionWords(const std::string& selection)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < selection.size()) {
        std::size_t end = selection.find(' ', start);
        if (end == std::string::npos)
            end = selection.size();
        const std::string word = CDictionary::TrimNonLetters(selection.substr(start, end - start).c_str());
        if (!word.empty())
            words.push_back(word);
        start = end + 1;
    }
    return words;
}

bool IsDeterminer(const std::string& word)
{
    return OneOf(CDictionary::FoldWord(word), DETERMINERS, sizeof DETERMINERS / sizeof DETERMINERS[0]);
}

std::vector<std::string> PhraseCandidates(const std::vector<std::string>& words, std::size_t n,
                                          const CIrregularForms& irregular)
{
    std::vector<std::string> out;
    if (n < 2 || n > words.size())
        return out;
    const std::string first = CDictionary::FoldWord(words[0]);
    std::vector<std::string> firsts{first};
    for (const std::string& base : BaseFormCandidates(first, irregular))
        firsts.push_back(base);
    std::string rest;
    for (std::size_t i = 1; i < n; ++i)
        rest += ' ' + CDictionary::FoldWord(words[i]);
    for (const std::string& f : firsts)
        Add(out, f + rest);
    if (n == 3 && OneOf(CDictionary::FoldWord(words[1]), SHORT_OBJECTS, sizeof SHORT_OBJECTS / sizeof SHORT_OBJECTS[0]))
        for (const std::string& f : firsts)
            Add(out, f + ' ' + CDictionary::FoldWord(words[2]));
    return out;
}

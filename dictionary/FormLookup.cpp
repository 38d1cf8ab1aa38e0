#include "dictionary/FormLookup.h"

#include "dictionary/BaseForms.h"
#include "dictionary/LookupFolding.h"
#include "dictionary/PhraseCandidates.h"
#include "dictionary/SpellingVariants.h"
#include "text/Cp1251Literal.h"

#include <algorithm>

namespace {

// What a proper name's reading says.
constexpr auto PROPER_NAME = cp1251::Literal(u8"собствено име");

// A selection of many words is answered by one of its first few.
constexpr std::size_t FIRST_WORDS_TRIED = 8;

bool IsCapitalised(const std::string& word)
{
    return word.size() > 1 && word[0] >= 'A' && word[0] <= 'Z'
        && std::all_of(word.begin() + 1, word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string Joined(std::vector<std::string>::const_iterator from, std::vector<std::string>::const_iterator to)
{
    std::string text;
    for (auto w = from; w != to; ++w)
        text += (text.empty() ? "" : " ") + *w;
    return text;
}

} // namespace

CFormLookup::Answer CFormLookup::Lookup(const char* query, bool findBaseForms)
{
    if (!findBaseForms) {
        const char* plain = m_dictionary.Lookup(query);
        const bool found = plain != CDictionary::MSG_NOT_FOUND && plain != CDictionary::MSG_EMPTY_QUERY;
        return {plain, std::string(), found ? plain : nullptr};
    }
    const std::string folded = lookupfold::Fold1251(query);
    if (lookupfold::MissesALetter(folded))
        return {CDictionary::MSG_NOT_FOUND, std::string(), nullptr};
    const char* plain = m_dictionary.Lookup(query);
    if (plain == CDictionary::MSG_EMPTY_QUERY)
        return {plain, std::string(), nullptr};
    if (plain != CDictionary::MSG_NOT_FOUND)
        return Readings(CDictionary::FoldWord(CDictionary::TrimNonLetters(query)), plain);
    // The forms are made from the selection as the lookup searched it,
    // without surrounding punctuation.
    const std::string selection = CDictionary::TrimNonLetters(folded.c_str());
    if (selection != CDictionary::TrimNonLetters(query)) {
        if (const Found same = Hit(selection))
            return Readings(CDictionary::FoldWord(selection), same.translation);
    }
    const Found found = FindSelection(selection);
    if (!found)
        return {plain, std::string(), nullptr};
    return {found.entry + ": " + found.translation + found.after, found.entry, found.translation};
}

std::string CFormLookup::EntryOf(const char* query, const Answer& answer)
{
    return answer.form.empty() ? CDictionary::TrimNonLetters(query) : answer.form;
}

CFormLookup::Found CFormLookup::Hit(const std::string& entry)
{
    const char* translation = m_dictionary.Lookup(entry.c_str());
    if (translation == CDictionary::MSG_NOT_FOUND || translation == CDictionary::MSG_EMPTY_QUERY)
        return Found();
    return Found{entry, translation, std::string()};
}

CFormLookup::Found CFormLookup::FindSelection(const std::string& selection)
{
    const std::vector<std::string> words = SelectionWords(selection);
    if (words.size() == 1)
        return FindWord(words[0]);
    return words.empty() ? Found() : FindPhrase(words);
}

CFormLookup::Found CFormLookup::FindPhrase(const std::vector<std::string>& words)
{
    if (IsDeterminer(words[0])) {
        const std::string rest = Joined(words.begin() + 1, words.end());
        if (Found f = Hit(CDictionary::FoldWord(rest)))
            return f;
        if (Found f = FindSelection(rest))
            return f;
    }
    for (std::size_t n = std::min(words.size(), LONGEST_PHRASE); n >= 2; --n)
        for (const std::string& candidate : PhraseCandidates(words, n, m_irregular))
            if (Found f = Hit(candidate))
                return f;
    for (const std::string& variant : SpellingVariants(CDictionary::FoldWord(Joined(words.begin(), words.end()))))
        if (Found f = Hit(variant))
            return f;
    for (std::size_t i = 0; i < words.size() && i < FIRST_WORDS_TRIED; ++i) {
        if (Found f = Hit(CDictionary::FoldWord(words[i])))
            return f;
        if (Found f = FindWord(words[i]))
            return f;
    }
    return Found();
}

CFormLookup::Found CFormLookup::FindWord(const std::string& word)
{
    if (IsCapitalised(word) && m_irregular.IsName(word))
        return FindName(word);
    // The same word in another spelling first (fiber is fibre, not fib),
    // then its base forms, then their other spellings (colours -> colour
    // -> color).
    for (const std::string& variant : SpellingVariants(CDictionary::FoldWord(word)))
        if (Found f = Hit(variant))
            return f;
    const std::vector<std::string> bases = BaseFormCandidates(word, m_irregular);
    for (const std::string& base : bases)
        if (Found f = Hit(base))
            return f;
    for (const std::string& base : bases)
        for (const std::string& variant : SpellingVariants(base))
            if (Found f = Hit(variant))
                return f;
    return SpokenForms(CDictionary::FoldWord(word));
}

// A name stays whole; one that is also a common word's plural (Banks,
// Wells) shows that word's reading first, then says it is a name.
CFormLookup::Found CFormLookup::FindName(const std::string& name)
{
    const std::string lower = CDictionary::FoldWord(name);
    for (const std::string& base : BaseFormCandidates(lower, m_irregular)) {
        if (lower != base + "s" && lower != base + "es")
            continue;   // only a plural, never -er or -ing (Heller is not hell)
        if (Found f = Hit(base)) {
            f.after = std::string(READING_SEPARATOR) + name + ": " + PROPER_NAME.c_str();
            return f;
        }
    }
    return Found();
}

// Everyday speech as written down: a dropped g (nothin', comin').
CFormLookup::Found CFormLookup::SpokenForms(const std::string& word)
{
    if (word.size() <= 4 || word.compare(word.size() - 2, 2, "in") != 0)
        return Found();
    const std::string full = word + "g";
    if (Found f = Hit(full))
        return f;
    for (const std::string& base : BaseFormCandidates(full, m_irregular))
        if (Found f = Hit(base))
            return f;
    return Found();
}

CFormLookup::Answer CFormLookup::Readings(const std::string& word, const char* own)
{
    std::vector<std::pair<std::string, const char*>> found;
    for (const std::string& reading : m_irregular.ReadingsOf(word)) {
        const char* translation = reading == word ? own : m_dictionary.Lookup(reading.c_str());
        if (translation != CDictionary::MSG_NOT_FOUND && translation != CDictionary::MSG_EMPTY_QUERY)
            found.emplace_back(reading, translation);
    }
    if (found.size() == 1)
        return {own, std::string(), own};   // a miss leaves the word's neighbours in place
    std::string text;
    for (const auto& reading : found)
        text += (text.empty() ? "" : READING_SEPARATOR) + reading.first + ": " + reading.second;
    // The rows and the list show the neighbours of the reading shown first.
    const std::string& first = found.front().first;
    if (found.back().first != first)
        m_dictionary.Lookup(first.c_str());
    return {text, first == word ? std::string() : first, found.front().second};
}

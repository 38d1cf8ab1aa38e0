#include "dictionary/FormLookup.h"

#include "dictionary/BaseForms.h"

namespace {

std::string Lower(std::string word)
{
    for (char& c : word)
        c = static_cast<char>(CDictionary::FoldCase(static_cast<unsigned char>(c)));
    return word;
}

} // namespace

CFormLookup::Answer CFormLookup::Lookup(const char* query, bool findBaseForms)
{
    const char* plain = m_dictionary.Lookup(query);
    if (!findBaseForms || plain == CDictionary::MSG_EMPTY_QUERY)
        return {plain, std::string()};
    // Base forms and readings are formed from the word as the lookup searched
    // it, without surrounding punctuation.
    const std::string word = CDictionary::TrimNonLetters(query);
    if (plain != CDictionary::MSG_NOT_FOUND)
        return Readings(Lower(word), plain);
    for (const std::string& form : BaseFormCandidates(word, m_irregular)) {
        const char* translation = m_dictionary.Lookup(form.c_str());
        if (translation != CDictionary::MSG_NOT_FOUND && translation != CDictionary::MSG_EMPTY_QUERY)
            return {Kept(form + ": " + translation), form};
    }
    return {plain, std::string()};
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
        return {own, std::string()};   // a miss leaves the word's neighbours in place
    std::string text;
    for (const auto& reading : found)
        text += (text.empty() ? "" : READING_SEPARATOR) + reading.first + ": " + reading.second;
    // The rows and the list show the neighbours of the reading shown first.
    const std::string& first = found.front().first;
    if (found.back().first != first)
        m_dictionary.Lookup(first.c_str());
    return {Kept(text), first == word ? std::string() : first};
}

const char* CFormLookup::Kept(const std::string& text)
{
    return m_shown.insert(text).first->c_str();
}

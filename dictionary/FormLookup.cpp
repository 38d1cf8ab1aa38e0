#include "dictionary/FormLookup.h"

#include "dictionary/BaseForms.h"

CFormLookup::Answer CFormLookup::Lookup(const char* query, bool findBaseForms)
{
    const char* plain = m_dictionary.Lookup(query);
    if (!findBaseForms || plain != CDictionary::MSG_NOT_FOUND)
        return {plain, std::string()};
    // Base forms are formed from the word as the lookup searched it, without
    // surrounding punctuation.
    for (const std::string& form : BaseFormCandidates(CDictionary::TrimNonLetters(query), m_irregular)) {
        const char* translation = m_dictionary.Lookup(form.c_str());
        if (translation != CDictionary::MSG_NOT_FOUND && translation != CDictionary::MSG_EMPTY_QUERY)
            return {m_shown.insert(form + ": " + translation).first->c_str(), form};
    }
    return {plain, std::string()};
}

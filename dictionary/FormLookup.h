#pragma once

#include "dictionary/Dictionary.h"
#include "dictionary/IrregularForms.h"

#include <string>
#include <unordered_set>

// What Zeto shows for a word: the dictionary's own answer, and when that is
// "no such word", the first base form the dictionary holds, shown as
// "house: <translation>". A word the dictionary has that is also an
// irregular form of another of its words shows every reading, each named,
// the most likely first: "see: <translation> | saw: <translation>". Each
// form is looked up with the dictionary's normal Lookup, so the neighbours
// are those of the form shown first, and the words the user added count
// too. zetodict answers through the same class, so it shows what Zeto shows.
class CFormLookup {
public:
    struct Answer {
        const char* text;   // never null; valid until this object is destroyed
        std::string form;   // the base form shown first, or empty
    };

    // Stands between the readings of a word.
    static constexpr const char* READING_SEPARATOR = " | ";

    explicit CFormLookup(CDictionary& dictionary) : m_dictionary(dictionary) {}
    CFormLookup(const CFormLookup&) = delete;
    CFormLookup& operator=(const CFormLookup&) = delete;

    // Without findBaseForms, exactly the dictionary's Lookup.
    Answer Lookup(const char* query, bool findBaseForms);

    CIrregularForms& Irregular() { return m_irregular; }

private:
    // The readings of a word the dictionary has; own is its translation.
    Answer Readings(const std::string& word, const char* own);
    const char* Kept(const std::string& text);

    CDictionary& m_dictionary;
    CIrregularForms m_irregular;
    // Every text of named forms given out. A text may travel in a posted
    // message, like the dictionary's own answers, so none is freed before
    // exit; one per distinct base form found, so the set stays small.
    std::unordered_set<std::string> m_shown;
};

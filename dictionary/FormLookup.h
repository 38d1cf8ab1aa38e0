#pragma once

#include "dictionary/Dictionary.h"
#include "dictionary/IrregularForms.h"

#include <string>
#include <unordered_set>

// What Zeto shows for a word: the dictionary's own answer, and only when that
// is "no such word", the first base form the dictionary holds, shown as
// "house: <translation>". Each base form is tried with the dictionary's
// normal Lookup, so a found one rewrites the neighbours as any hit does, and
// the words the user added count too. zetodict answers through the same
// class, so it shows what Zeto shows.
class CFormLookup {
public:
    struct Answer {
        const char* text;   // never null; valid until this object is destroyed
        std::string form;   // the base form shown, or empty
    };

    explicit CFormLookup(CDictionary& dictionary) : m_dictionary(dictionary) {}
    CFormLookup(const CFormLookup&) = delete;
    CFormLookup& operator=(const CFormLookup&) = delete;

    // Without findBaseForms, exactly the dictionary's Lookup.
    Answer Lookup(const char* query, bool findBaseForms);

    CIrregularForms& Irregular() { return m_irregular; }

private:
    CDictionary& m_dictionary;
    CIrregularForms m_irregular;
    // Every "form: translation" text given out. A text may travel in a posted
    // message, like the dictionary's own answers, so none is freed before
    // exit; one per distinct base form found, so the set stays small.
    std::unordered_set<std::string> m_shown;
};

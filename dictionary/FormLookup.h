#pragma once

#include "dictionary/Dictionary.h"
#include "dictionary/IrregularForms.h"

#include <string>
#include <vector>

// What Zeto shows for a selection with Find Base Forms on. A word the
// dictionary has is its own answer, and when it is also an irregular form of
// another of its words, every reading, each named, the most likely first
// ("see: <translation> | saw: <translation>"). Otherwise the entry the
// selection stands for, named ("house: <translation>"):
// - the selection folded: letters with diacritics as their base letters,
//   typographic apostrophes, quotes and dashes as the lookup reads them
//   (can’t finds can't); a word with a letter Windows-1251 lacks is never
//   looked up without it;
// - one word: its other spellings (SpellingVariants.h), its base forms
//   (BaseForms.h), their other spellings, then speech as written (comin');
//   a capitalised proper name is never cut into
//   a common word, but a plural one (Banks) also shows the common word's
//   reading, first;
// - several words: without a leading article or determiner first (the
//   house); then the longest entry that begins the selection, its first word
//   in any form and its particle after a short object (gave up, picked it
//   up); then their other spellings (week end); then the first word that
//   has an answer.
// Each form is looked up with the dictionary's normal Lookup, so the
// neighbours are those of the entry shown first and the words the user
// added count too. Switched off, exactly the dictionary's Lookup. zetodict
// answers through the same class, so it shows what Zeto shows.
class CFormLookup {
public:
    struct Answer {
        std::string text;   // what is shown
        std::string form;   // the entry named first, when it is not the selection itself; or empty
        // The translation of the entry named first, without its name: the
        // dictionary's own text (valid until exit); null when nothing was found.
        const char* translation = nullptr;
    };

    // Stands between the readings of a word.
    static constexpr const char* READING_SEPARATOR = " | ";

    explicit CFormLookup(CDictionary& dictionary) : m_dictionary(dictionary) {}
    CFormLookup(const CFormLookup&) = delete;
    CFormLookup& operator=(const CFormLookup&) = delete;

    Answer Lookup(const char* query, bool findBaseForms);
    // The entry an answer is for: the one it names first, else the query
    // without the non-letters around it.
    static std::string EntryOf(const char* query, const Answer& answer);

    CIrregularForms& Irregular() { return m_irregular; }

private:
    // An entry and its translation (the dictionary's own text); no
    // translation when nothing was found. after: what follows it when shown.
    struct Found {
        std::string entry;
        const char* translation = nullptr;
        std::string after;
        explicit operator bool() const { return translation != nullptr; }
    };

    Found Hit(const std::string& entry);
    Found FindSelection(const std::string& selection);
    Found FindPhrase(const std::vector<std::string>& words);
    Found FindWord(const std::string& word);
    Found FindName(const std::string& name);
    Found SpokenForms(const std::string& word);
    // The readings of a word the dictionary has; own is its translation.
    Answer Readings(const std::string& word, const char* own);

    CDictionary& m_dictionary;
    CIrregularForms m_irregular;
};

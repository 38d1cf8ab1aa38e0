#pragma once

#include <cstddef>

// One dictionary entry: a word and its translation, two owned NUL-terminated
// byte strings in the ANSI code page. Copies are deep.
class WordPair {
public:
    WordPair();                                     // two empty strings
    WordPair(const char* word, const char* translation);
    // Takes exactly the given byte counts; the loader knows them already and
    // saves two strlen calls per record.
    WordPair(const char* word, std::size_t wordLen,
             const char* translation, std::size_t translationLen);
    WordPair(const WordPair& other);
    WordPair& operator=(const WordPair& other);
    ~WordPair();

    const char* GetWord() const { return m_pszWord; }
    const char* GetTranslation() const { return m_pszTranslation; }

private:
    // Both texts live in one allocation, the translation right after the
    // word's NUL: half the allocations when a dictionary of many thousands
    // of pairs loads. m_pszWord owns it.
    void Assign(const char* word, std::size_t wordLen, const char* translation, std::size_t translationLen);

    char* m_pszWord;
    char* m_pszTranslation;
};

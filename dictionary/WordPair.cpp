#include "dictionary/WordPair.h"

#include <cstring>

void WordPair::Assign(const char* word, std::size_t wordLen, const char* translation, std::size_t translationLen)
{
    char* both = new char[wordLen + 1 + translationLen + 1];
    std::memcpy(both, word, wordLen);
    both[wordLen] = '\0';
    std::memcpy(both + wordLen + 1, translation, translationLen);
    both[wordLen + 1 + translationLen] = '\0';
    m_pszWord = both;
    m_pszTranslation = both + wordLen + 1;
}

WordPair::WordPair() : WordPair("", 0, "", 0)
{
}

WordPair::WordPair(const char* word, const char* translation)
    : WordPair(word, std::strlen(word), translation, std::strlen(translation))
{
}

WordPair::WordPair(const char* word, std::size_t wordLen, const char* translation, std::size_t translationLen)
    : m_pszWord(nullptr), m_pszTranslation(nullptr)
{
    Assign(word, wordLen, translation, translationLen);
}

WordPair::WordPair(const WordPair& other)
    : WordPair(other.m_pszWord, other.m_pszTranslation)
{
}

WordPair& WordPair::operator=(const WordPair& other)
{
    if (this != &other) {
        // Copy first, so a failed allocation leaves this pair as it was.
        char* old = m_pszWord;
        Assign(other.m_pszWord, std::strlen(other.m_pszWord),
               other.m_pszTranslation, std::strlen(other.m_pszTranslation));
        delete[] old;
    }
    return *this;
}

WordPair::~WordPair()
{
    delete[] m_pszWord;
}

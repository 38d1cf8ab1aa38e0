#include "dictionary/WordPair.h"

#include <cstring>

char* WordPair::CopyText(const char* text, std::size_t len)
{
    char* copy = new char[len + 1];
    std::memcpy(copy, text, len);
    copy[len] = '\0';
    return copy;
}

WordPair::WordPair()
    : m_pszWord(CopyText("", 0)), m_pszTranslation(CopyText("", 0))
{
}

WordPair::WordPair(const char* word, const char* translation)
    : WordPair(word, std::strlen(word), translation, std::strlen(translation))
{
}

WordPair::WordPair(const char* word, std::size_t wordLen,
                   const char* translation, std::size_t translationLen)
    : m_pszWord(CopyText(word, wordLen)),
      m_pszTranslation(CopyText(translation, translationLen))
{
}

WordPair::WordPair(const WordPair& other)
    : WordPair(other.m_pszWord, other.m_pszTranslation)
{
}

WordPair& WordPair::operator=(const WordPair& other)
{
    if (this != &other) {
        delete[] m_pszWord;
        delete[] m_pszTranslation;
        m_pszWord = nullptr;    // stays destructible if the next copy throws
        m_pszTranslation = nullptr;
        m_pszWord = CopyText(other.m_pszWord, std::strlen(other.m_pszWord));
        m_pszTranslation = CopyText(other.m_pszTranslation, std::strlen(other.m_pszTranslation));
    }
    return *this;
}

WordPair::~WordPair()
{
    delete[] m_pszWord;
    delete[] m_pszTranslation;
}

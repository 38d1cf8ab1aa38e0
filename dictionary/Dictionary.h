#pragma once

#include "dictionary/WordPair.h"

#include <cstddef>
#include <cstdio>
#include <string>

// The in-memory dictionary: word/translation pairs in file order, appended
// only, plus the ten neighbour strings the last successful lookup produced.
// Texts are single-byte ANSI strings; only 'A'-'Z' and 'a'-'z' are letters.
class CDictionary {
public:
    // One list entry. The word's length and its case-folded first byte are
    // kept beside the pair so a scan rejects most entries without reading
    // the word itself.
    struct Entry {
        Entry* pNext;
        Entry* pPrev;
        std::size_t nWordLen;
        unsigned char cFirstFolded;
        WordPair pair;

        Entry(const char* word, std::size_t wordLen, const char* translation, std::size_t translationLen);
    };

    // The fixed lookup results, stored in Windows-1251; never freed.
    static const char MSG_EMPTY_QUERY[];   // "Няма такава дума в БД!"
    static const char MSG_NOT_FOUND[];     // "Няма такава дума"

    CDictionary();
    ~CDictionary();
    CDictionary(const CDictionary&) = delete;
    CDictionary& operator=(const CDictionary&) = delete;

    // Reads records from a stream opened "rb" at its start, to its end, and
    // appends each pair at the tail. A record cut short by the end of the
    // file is dropped; GetTruncatedOffset then tells where it began.
    void LoadFile(FILE* file);
    // Appends one record to a stream opened "ab"; returns 4 + W + T.
    int WriteRecord(const WordPair& pair, FILE* file);
    void AddPair(const char* word, const char* translation);
    // Complements the first n bytes and puts a NUL at position n; the same
    // call encodes and decodes.
    static void InvertBytes(char* buffer, int n);

    // The translation of the entry whose word equals the query (ASCII letters
    // folded), or one of the fixed messages. Never null; owned by the
    // dictionary and valid until it is destroyed.
    const char* Lookup(const char* query);

    // Offset in bytes, from the start of the stream given to the latest
    // LoadFile, of a record that the end of the file cut short; -1 when that
    // file ended cleanly after a whole record (or was empty).
    long long GetTruncatedOffset() const { return m_nTruncatedAt; }

    const Entry* GetHead() const { return m_pHead; }
    const Entry* GetTail() const { return m_pTail; }

    static bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
    static unsigned char FoldCase(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }
    // First and last byte both letters; the text must not be empty.
    static bool HasLetterEnds(const char* text);
    // True for 'A'-'J' and 'a'-'j': those words are searched from the head.
    static bool StartsBeforeK(char first);
    // The text without its leading and trailing runs of non-letters.
    static std::string TrimNonLetters(const char* text);

    const char* FindForward(const char* word);
    const char* FindBackward(const char* word);
    // Neighbour 0 is the found word; 1-9 the words after it, one skip per
    // place for a word equal to an earlier neighbour; then padded.
    void BuildNeighbours(const Entry* found);
    std::size_t LongestNeighbour() const;
    void PadNeighbours();

    std::string m_strNeighbours[10];
    int m_nCount;

private:
    struct Block;   // storage for ten entries, allocated together

    Entry* NewEntry(const char* word, std::size_t wordLen, const char* translation, std::size_t translationLen);
    void Append(Entry* entry);
    static bool SameWord(const Entry* entry, const char* word, std::size_t len, unsigned char firstFolded);

    Entry* m_pHead;
    Entry* m_pTail;
    Block* m_pBlocks;       // newest block first
    int m_nSpare;           // unused entries left in the newest block
    long long m_nTruncatedAt;
};

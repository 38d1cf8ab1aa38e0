#pragma once

#include "dictionary/WordPair.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// How many neighbour strings a lookup yields: the found word and the words
// after it. A word needs this many entries after it to get neighbours.
constexpr int NEIGHBOUR_COUNT = 10;

// The longest word the user can type into the input box or add with Add New
// Word, in characters.
constexpr int WORD_MAX_CHARS = 255;

// The dictionary files, in the working directory: the base dictionary and
// the user's own pairs, loaded in that order.
constexpr char DATA_FILE[] = "data.dat";
constexpr char NEW_DATA_FILE[] = "NewData.dat";

// The in-memory dictionary: word/translation pairs in file order, appended
// only, plus the ten neighbour strings the last successful lookup produced.
// Texts are single-byte ANSI strings; only 'A'-'Z' and 'a'-'z' are letters.
class CDictionary {
public:
    // One list entry.
    struct Entry {
        Entry* pNext;
        Entry* pPrev;
        WordPair pair;

        Entry(const char* word, std::size_t wordLen, const char* translation, std::size_t translationLen);
    };

    // The fixed lookup results, in Windows-1251; static, never freed.
    static const char* const MSG_EMPTY_QUERY;   // "Няма такава дума в БД!"
    static const char* const MSG_NOT_FOUND;     // "Няма такава дума"

    CDictionary();
    ~CDictionary();
    CDictionary(const CDictionary&) = delete;
    CDictionary& operator=(const CDictionary&) = delete;

    // Reads records from a stream opened "rb" at its start, to its end, and
    // appends each pair at the tail. A record cut short by the end of the
    // file is dropped; GetTruncatedOffset then tells where it began.
    void LoadFile(FILE* file);
    // Appends one record to a stream opened "ab"; returns 4 + W + T. A text
    // longer than MAX_TEXT_LENGTH is written cut to that length.
    int WriteRecord(const WordPair& pair, FILE* file);
    static constexpr std::size_t MAX_TEXT_LENGTH = 65535;
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
    // The text with every byte folded so, as the lookup compares words.
    static std::string FoldWord(std::string text)
    {
        for (char& c : text)
            c = static_cast<char>(FoldCase(static_cast<unsigned char>(c)));
        return text;
    }
    // First and last byte both letters; the text must not be empty.
    static bool HasLetterEnds(const char* text);
    // True for 'A'-'J' and 'a'-'j': those words are searched from the head.
    static bool StartsBeforeK(char first);
    // The text without its leading and trailing runs of non-letters.
    static std::string TrimNonLetters(const char* text);

    // The first entry equal to word from the head, or from the tail.
    const char* FindForward(const char* word) { return Find(word, FROM_HEAD); }
    const char* FindBackward(const char* word) { return Find(word, FROM_TAIL); }
    // Neighbour 0 is the found word; 1-9 the words after it, one skip per
    // place for a word equal to an earlier neighbour; then padded.
    void BuildNeighbours(const Entry* found);
    std::size_t LongestNeighbour() const;
    void PadNeighbours();

    std::string m_strNeighbours[NEIGHBOUR_COUNT];
    int m_nCount;

private:
    struct Block;   // storage for ten entries, allocated together

    enum SearchFrom { FROM_HEAD, FROM_TAIL };
    // Builds the neighbours when the entry found has enough followers.
    const char* Find(const char* word, SearchFrom from);

    Entry* NewEntry(const char* word, std::size_t wordLen, const char* translation, std::size_t translationLen);
    void Append(Entry* entry);
    const Entry* EntryAt(int n) const;
    static std::uint32_t KeyOf(const char* word, std::size_t len);
    static bool SameWord(const char* a, const char* b);

    Entry* m_pHead;
    Entry* m_pTail;
    // Every block in the order it was allocated. Entries are only appended,
    // each into the next free slot, so this is also the order of the list:
    // entry n sits in block n / 10, slot n % 10.
    std::vector<Block*> m_blocks;
    // For entry n, its word's length and case-folded first byte. A search
    // compares these first and reads a word only when they agree; kept in
    // one array, they let a scan that finds nothing stream through 4 bytes
    // per entry instead of chasing list links across the heap.
    std::vector<std::uint32_t> m_keys;
    int m_nSpare;           // unused entries left in the newest block
    long long m_nTruncatedAt;
};

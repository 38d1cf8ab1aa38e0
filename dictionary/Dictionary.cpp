#include "dictionary/Dictionary.h"

#include "text/Cp1251Literal.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace {
constexpr auto TEXT_EMPTY_QUERY = cp1251::Literal(u8"Няма такава дума в БД!");
constexpr auto TEXT_NOT_FOUND = cp1251::Literal(u8"Няма такава дума");
}

const char* const CDictionary::MSG_EMPTY_QUERY = TEXT_EMPTY_QUERY.c_str();
const char* const CDictionary::MSG_NOT_FOUND = TEXT_NOT_FOUND.c_str();

namespace {

const int ENTRIES_PER_BLOCK = 10;

// Reads a stream in large fixed-size pieces; a dictionary is read to its
// end anyway, and one fread per record field would dominate the load time.
class ChunkReader {
public:
    explicit ChunkReader(FILE* file) : m_file(file), m_buffer(1 << 16) {}

    // Copies up to n bytes to dst; returns how many were there.
    std::size_t Read(char* dst, std::size_t n)
    {
        std::size_t done = 0;
        while (done < n) {
            if (m_pos == m_end && !Refill())
                break;
            std::size_t take = m_end - m_pos;
            if (take > n - done)
                take = n - done;
            std::memcpy(dst + done, m_buffer.data() + m_pos, take);
            m_pos += take;
            done += take;
        }
        m_consumed += done;
        return done;
    }

    long long Consumed() const { return m_consumed; }

private:
    bool Refill()
    {
        if (m_eof)
            return false;
        m_pos = 0;
        m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
        if (m_end < m_buffer.size())
            m_eof = true;   // end of file or read error: nothing more to come
        return m_end > 0;
    }

    FILE* m_file;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    long long m_consumed = 0;
};

// Reads a 16-bit little-endian length; false when fewer than 2 bytes remain.
bool ReadLength(ChunkReader& reader, std::size_t* length, bool* nothingLeft)
{
    unsigned char bytes[2];
    std::size_t got = reader.Read(reinterpret_cast<char*>(bytes), 2);
    *nothingLeft = (got == 0);
    if (got < 2)
        return false;
    *length = bytes[0] | (bytes[1] << 8);
    return true;
}

// Reads a length field and that many text bytes into buffer, decoded and
// NUL-terminated; false when the file ends first.
bool ReadText(ChunkReader& reader, std::vector<char>& buffer, std::size_t* textLen, bool* nothingLeft)
{
    std::size_t len = 0;
    if (!ReadLength(reader, &len, nothingLeft))
        return false;
    if (buffer.size() < len + 1)
        buffer.resize(len + 1);
    if (reader.Read(buffer.data(), len) < len)
        return false;
    CDictionary::InvertBytes(buffer.data(), static_cast<int>(len));
    // A stored 0xFF decodes to NUL: the text in memory ends there.
    const void* nul = std::memchr(buffer.data(), '\0', len);
    *textLen = nul ? static_cast<const char*>(nul) - buffer.data() : len;
    return true;
}

} // namespace

struct CDictionary::Block {
    alignas(Entry) unsigned char storage[ENTRIES_PER_BLOCK * sizeof(Entry)];

    Entry* Slot(int i) { return reinterpret_cast<Entry*>(storage) + i; }
};

CDictionary::Entry::Entry(const char* word, std::size_t wordLen,
                          const char* translation, std::size_t translationLen)
    : pNext(nullptr), pPrev(nullptr), pair(word, wordLen, translation, translationLen)
{
}

CDictionary::CDictionary()
    : m_nCount(0), m_pHead(nullptr), m_pTail(nullptr), m_nSpare(0), m_nTruncatedAt(-1)
{
}

CDictionary::~CDictionary()
{
    for (Entry* entry = m_pHead; entry;) {
        Entry* next = entry->pNext;
        entry->~Entry();
        entry = next;
    }
    for (Block* block : m_blocks)
        delete block;
}

std::uint32_t CDictionary::KeyOf(const char* word, std::size_t len)
{
    // Lengths beyond 24 bits share one key; the full comparison settles those.
    const std::uint32_t capped = len < 0xFFFFFF ? static_cast<std::uint32_t>(len) : 0xFFFFFF;
    return (capped << 8) | FoldCase(static_cast<unsigned char>(word[0]));
}

const CDictionary::Entry* CDictionary::EntryAt(int n) const
{
    return m_blocks[static_cast<std::size_t>(n / ENTRIES_PER_BLOCK)]->Slot(n % ENTRIES_PER_BLOCK);
}

namespace {

template <typename T>
void MakeRoomForOne(std::vector<T>& v)
{
    if (v.size() == v.capacity())
        v.reserve(v.empty() ? 1024 : v.size() * 2);
}

} // namespace

CDictionary::Entry* CDictionary::NewEntry(const char* word, std::size_t wordLen,
                                          const char* translation, std::size_t translationLen)
{
    // Everything that may throw happens before the entry exists.
    MakeRoomForOne(m_keys);
    if (m_nSpare == 0) {
        MakeRoomForOne(m_blocks);
        m_blocks.push_back(new Block);
        m_nSpare = ENTRIES_PER_BLOCK;
    }
    Block* block = m_blocks.back();
    Entry* entry = new (block->Slot(ENTRIES_PER_BLOCK - m_nSpare)) Entry(word, wordLen, translation, translationLen);
    --m_nSpare;   // only once the entry exists: a failed copy leaves the slot spare
    m_keys.push_back(KeyOf(word, wordLen));
    return entry;
}

void CDictionary::Append(Entry* entry)
{
    entry->pPrev = m_pTail;
    if (m_pTail)
        m_pTail->pNext = entry;
    else
        m_pHead = entry;
    m_pTail = entry;
    ++m_nCount;
}

void CDictionary::AddPair(const char* word, const char* translation)
{
    Append(NewEntry(word, std::strlen(word), translation, std::strlen(translation)));
}

void CDictionary::InvertBytes(char* buffer, int n)
{
    unsigned char* bytes = reinterpret_cast<unsigned char*>(buffer);
    for (int i = 0; i < n; ++i)
        bytes[i] = static_cast<unsigned char>(~bytes[i]);
    buffer[n] = '\0';
}

void CDictionary::LoadFile(FILE* file)
{
    m_nTruncatedAt = -1;
    ChunkReader reader(file);
    std::vector<char> word(256);
    std::vector<char> translation(1024);
    for (;;) {
        long long start = reader.Consumed();
        std::size_t wordLen = 0;
        std::size_t translationLen = 0;
        bool nothingLeft = false;
        if (!ReadText(reader, word, &wordLen, &nothingLeft)) {
            if (!nothingLeft)
                m_nTruncatedAt = start;
            return;
        }
        if (!ReadText(reader, translation, &translationLen, &nothingLeft)) {
            m_nTruncatedAt = start;
            return;
        }
        Append(NewEntry(word.data(), wordLen, translation.data(), translationLen));
    }
}

int CDictionary::WriteRecord(const WordPair& pair, FILE* file)
{
    // A length field holds at most 65535: a longer text is cut there, so the
    // record stays whole and every record after it stays readable.
    const std::size_t w = std::min<std::size_t>(std::strlen(pair.GetWord()), MAX_TEXT_LENGTH);
    const std::size_t t = std::min<std::size_t>(std::strlen(pair.GetTranslation()), MAX_TEXT_LENGTH);
    std::vector<char> record(4 + w + t + 1);
    char* p = record.data();
    p[0] = static_cast<char>(w & 0xFF);
    p[1] = static_cast<char>((w >> 8) & 0xFF);
    std::memcpy(p + 2, pair.GetWord(), w);
    InvertBytes(p + 2, static_cast<int>(w));
    p[2 + w] = static_cast<char>(t & 0xFF);
    p[3 + w] = static_cast<char>((t >> 8) & 0xFF);
    std::memcpy(p + 4 + w, pair.GetTranslation(), t);
    InvertBytes(p + 4 + w, static_cast<int>(t));
    std::fwrite(p, 1, 4 + w + t, file);
    return static_cast<int>(4 + w + t);
}

bool CDictionary::HasLetterEnds(const char* text)
{
    const std::size_t len = std::strlen(text);
    return len > 0 && IsLetter(static_cast<unsigned char>(text[0]))
        && IsLetter(static_cast<unsigned char>(text[len - 1]));
}

bool CDictionary::StartsBeforeK(char first)
{
    const unsigned char c = FoldCase(static_cast<unsigned char>(first));
    return c >= 'a' && c <= 'j';
}

std::string CDictionary::TrimNonLetters(const char* text)
{
    const std::size_t len = std::strlen(text);
    std::size_t begin = 0;
    while (begin < len && !IsLetter(static_cast<unsigned char>(text[begin])))
        ++begin;
    std::size_t end = len;
    while (end > begin && !IsLetter(static_cast<unsigned char>(text[end - 1])))
        --end;
    return std::string(text + begin, end - begin);
}

// Equal but for the case of 'A'-'Z'; both texts NUL-terminated.
bool CDictionary::SameWord(const char* a, const char* b)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
    for (;; ++p, ++q) {
        if (*p != *q && FoldCase(*p) != FoldCase(*q))
            return false;
        if (*p == '\0')
            return true;
    }
}

const char* CDictionary::Find(const char* word, SearchFrom from)
{
    const std::uint32_t key = KeyOf(word, std::strlen(word));
    const std::uint32_t* keys = m_keys.data();
    const int step = from == FROM_HEAD ? 1 : -1;
    for (int i = from == FROM_HEAD ? 0 : m_nCount - 1; i >= 0 && i < m_nCount; i += step) {
        if (keys[i] != key)
            continue;
        const Entry* entry = EntryAt(i);
        if (SameWord(entry->pair.GetWord(), word)) {
            if (i + NEIGHBOUR_COUNT < m_nCount)
                BuildNeighbours(entry);
            return entry->pair.GetTranslation();
        }
    }
    return MSG_NOT_FOUND;
}

void CDictionary::BuildNeighbours(const Entry* found)
{
    m_strNeighbours[0] = found->pair.GetWord();
    const Entry* cursor = found->pNext;
    int k = 1;
    for (; k < NEIGHBOUR_COUNT && cursor; ++k) {
        const Entry* candidate = cursor;
        cursor = cursor->pNext;
        for (int j = 0; j < k; ++j) {
            if (SameWord(candidate->pair.GetWord(), m_strNeighbours[j].c_str())) {
                candidate = cursor;   // one skip, taken without a further comparison
                if (cursor)
                    cursor = cursor->pNext;
                break;
            }
        }
        if (!candidate)
            break;   // the skip ran past the tail
        m_strNeighbours[k] = candidate->pair.GetWord();
    }
    // The walk reached the tail: the places it could not fill stay empty.
    for (; k < NEIGHBOUR_COUNT; ++k)
        m_strNeighbours[k].clear();
    PadNeighbours();
}

std::size_t CDictionary::LongestNeighbour() const
{
    std::size_t longest = 0;
    for (const std::string& s : m_strNeighbours) {
        if (s.size() > longest)
            longest = s.size();
    }
    return longest;
}

void CDictionary::PadNeighbours()
{
    const std::size_t longest = LongestNeighbour();
    for (std::string& s : m_strNeighbours)
        s.resize(longest, ' ');
}

const char* CDictionary::Lookup(const char* query)
{
    if (query[0] == '\0')
        return MSG_EMPTY_QUERY;
    if (HasLetterEnds(query)) {
        if (StartsBeforeK(query[0]))
            return FindForward(query);
        return FindBackward(query);
    }
    const std::string trimmed = TrimNonLetters(query);
    return FindBackward(trimmed.c_str());
}

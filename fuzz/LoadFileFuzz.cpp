// CDictionary::LoadFile on arbitrary bytes. The loader must neither crash nor
// read past what it was given, and must give exactly the pairs that a plain
// reading of the record format finds: whole records only, each text up to
// its first decoded NUL, and the offset of a record cut short by the end.
#include "dictionary/Dictionary.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/MemoryFile.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Pair {
    std::string word;
    std::string translation;
};

// The record format read the obvious way, one byte at a time.
class PlainReader {
public:
    explicit PlainReader(const std::string& bytes) : m_bytes(bytes) {}

    std::vector<Pair> ReadAll(long long* truncatedAt)
    {
        std::vector<Pair> pairs;
        *truncatedAt = -1;
        while (m_pos < m_bytes.size()) {
            const std::size_t start = m_pos;
            Pair pair;
            if (!Text(&pair.word) || !Text(&pair.translation)) {
                *truncatedAt = static_cast<long long>(start);
                break;
            }
            pairs.push_back(pair);
        }
        return pairs;
    }

private:
    bool Text(std::string* text)
    {
        if (m_bytes.size() - m_pos < 2)
            return false;
        const std::size_t length = static_cast<unsigned char>(m_bytes[m_pos])
            | static_cast<unsigned char>(m_bytes[m_pos + 1]) << 8;
        m_pos += 2;
        if (m_bytes.size() - m_pos < length)
            return false;
        text->clear();
        for (std::size_t i = 0; i < length; ++i) {
            const char decoded = static_cast<char>(~static_cast<unsigned char>(m_bytes[m_pos + i]));
            if (decoded == '\0')
                break;
            text->push_back(decoded);
        }
        m_pos += length;
        return true;
    }

    const std::string& m_bytes;
    std::size_t m_pos = 0;
};

// One record whose whole size is recordSize (4 to 65539 bytes): an empty word
// and a translation of 'x's.
std::string FillerRecord(std::size_t recordSize)
{
    const std::size_t t = recordSize - 4;
    std::string record = {'\0', '\0', static_cast<char>(t & 0xFF), static_cast<char>(t >> 8)};
    record.append(t, static_cast<char>(~'x'));
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    // An odd first byte puts the rest of the input behind a filler record
    // that ends just before 64 KiB, so records straddle the boundaries where
    // a loader that reads in large pieces refills its buffer.
    if (size > 0 && (data[0] & 1))
        bytes = FillerRecord(65536 - data[0]) + bytes.substr(1);

    long long expectedCut = -1;
    const std::vector<Pair> expected = PlainReader(bytes).ReadAll(&expectedCut);

    CDictionary dictionary;
    FILE* file = OpenForReading(bytes);
    FUZZ_CHECK(file != nullptr, "the input opens as a stream");
    dictionary.LoadFile(file);
    std::fclose(file);

    FUZZ_CHECK(dictionary.m_nCount == static_cast<int>(expected.size()), "one entry per whole record");
    FUZZ_CHECK(dictionary.GetTruncatedOffset() == expectedCut, "the cut record's offset");
    std::size_t i = 0;
    const CDictionary::Entry* previous = nullptr;
    for (const CDictionary::Entry* entry = dictionary.GetHead(); entry; entry = entry->pNext, ++i) {
        FUZZ_CHECK(i < expected.size(), "no more entries than records");
        FUZZ_CHECK(entry->pPrev == previous, "the list links both ways");
        FUZZ_CHECK(expected[i].word == entry->pair.GetWord(), "the word as stored");
        FUZZ_CHECK(expected[i].translation == entry->pair.GetTranslation(), "the translation as stored");
        previous = entry;
    }
    FUZZ_CHECK(i == expected.size(), "every record became an entry");
    FUZZ_CHECK(dictionary.GetTail() == previous, "the tail is the last entry");
    return 0;
}

// History.dat as bytes: a journal of what happened to the user's words,
// appended one record at a time and never rewritten in place (only whole,
// when History::Compact makes it smaller).
//
// A record is an 8-byte head and a payload:
//   kind (1 byte), payload length (2 bytes, little-endian),
//   head check (1 byte: the low byte of the CRC-32 of the three bytes before),
//   CRC-32 of kind, length and payload (4 bytes, little-endian), payload.
// The payload holds numbers as unsigned LEB128 and texts as a LEB128 length
// and the bytes, so any byte (tab, newline, NUL) in a text round-trips.
//
// Reading stops at the first record that is not whole and good. A record
// whose head is good but whose payload runs past the end of the bytes is
// the one being written when Zeto stopped (a crash, a full disk): it is
// dropped without a word, as are zero bytes to the end (a file system may
// leave the space a crash had taken so). Anything else that does not check is damage. The
// reader says how many bytes were good: the caller cuts the file there
// before it appends again, and keeps a damaged file aside.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace notebook {

// Bounds of what a journal may hold; a record past them is damage.
constexpr std::size_t MAX_WORD_BYTES = 256;
constexpr std::size_t MAX_FIELD_BYTES = 4096;   // entry, translation, pronunciation, application
constexpr std::size_t RECORD_HEAD_BYTES = 8;

// Seconds since 1970-01-01 00:00 UTC.
using Time = std::uint64_t;

enum class RecordKind : std::uint8_t {
    Lookup = 1,   // a translation was shown for a word
    Star = 2,     // the user starred a word or took the star away
    Delete = 3,   // the user deleted a word from the history
    Clear = 4,    // "Clear History": every word goes
    Word = 5,     // a word's row whole, as a compacted journal carries it
};

// One row of the history: a word and what was last shown for it.
struct Row {
    std::string word;            // as the user last selected it (letter case kept)
    std::string entry;           // the entry shown: its base form or phrase
    std::string translation;     // the translation's first reading
    std::string pronunciation;   // how the entry is said, as shown ("/haʊs/"); may be empty
    std::string application;     // the title of the window it came from
    Time firstSeen = 0;
    Time lastSeen = 0;
    std::uint32_t count = 0;     // lookups
    bool starred = false;

    bool operator==(const Row& other) const;
    bool operator!=(const Row& other) const { return !(*this == other); }
};

// One record as read back. Lookup and Word fill row (a lookup's time in
// row.lastSeen); Star, Delete and Clear use row.word, starred and time.
struct Record {
    RecordKind kind = RecordKind::Lookup;
    Time time = 0;
    Row row;
};

// The bytes of one record, to append to the journal. Fields longer than the
// bounds above are cut to them (at a UTF-8 character's start). An empty word
// is nothing to record: the bytes are empty. EncodeWord writes a count of at
// least 1 and a first time no later than the last, as every row has.
std::string EncodeLookup(Time time, const std::string& word, const std::string& entry,
                         const std::string& translation, const std::string& pronunciation,
                         const std::string& application);
std::string EncodeStar(Time time, const std::string& word, bool starred);
std::string EncodeDelete(Time time, const std::string& word);
std::string EncodeClear(Time time);
std::string EncodeWord(const Row& row);

struct JournalScan {
    std::size_t goodBytes = 0;   // the whole records before the stop
    bool damaged = false;        // stopped at a bad record, not at the end or a torn last one
};

// Calls apply for each good record in order. When apply returns false (the
// record breaks a bound of the caller's), reading stops before it as damage.
// Records of a kind this version does not know are good and skipped.
JournalScan ReadJournal(std::string_view bytes, const std::function<bool(const Record&)>& apply);

// The CRC-32 (IEEE, as zip) of bytes.
std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc = 0);

} // namespace notebook

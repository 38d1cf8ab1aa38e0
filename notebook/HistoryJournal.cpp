#include "notebook/HistoryJournal.h"

#include <algorithm>
#include <array>

namespace notebook {

namespace {

constexpr std::size_t MAX_PAYLOAD_BYTES = 0xFFFF;   // the head's two length bytes
constexpr std::size_t MAX_NUMBER_BYTES = 10;        // LEB128 of 64 bits

std::array<std::uint32_t, 256> MakeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

void PutNumber(std::string& out, std::uint64_t value)
{
    do {
        const unsigned char low = value & 0x7F;
        value >>= 7;
        out += static_cast<char>(value ? low | 0x80 : low);
    } while (value);
}

// At most limit bytes of text, never ending inside a UTF-8 sequence.
std::string_view Bounded(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

void PutText(std::string& out, std::string_view text, std::size_t limit)
{
    const std::string_view kept = Bounded(text, limit);
    PutNumber(out, kept.size());
    out.append(kept);
}

void PutFields(std::string& out, const std::string& word, const std::string& entry, const std::string& translation,
               const std::string& pronunciation, const std::string& application)
{
    PutText(out, word, MAX_WORD_BYTES);
    PutText(out, entry, MAX_FIELD_BYTES);
    PutText(out, translation, MAX_FIELD_BYTES);
    PutText(out, pronunciation, MAX_FIELD_BYTES);
    PutText(out, application, MAX_FIELD_BYTES);
}

// Head and checks around a payload (which the bounds keep under 64 KiB).
std::string Framed(RecordKind kind, const std::string& payload)
{
    std::string head(3, '\0');
    head[0] = static_cast<char>(kind);
    head[1] = static_cast<char>(payload.size() & 0xFF);
    head[2] = static_cast<char>(payload.size() >> 8);
    const std::uint32_t crc = Crc32(payload, Crc32(head));
    head += static_cast<char>(Crc32(head.substr(0, 3)) & 0xFF);
    for (int shift = 0; shift < 32; shift += 8)
        head += static_cast<char>((crc >> shift) & 0xFF);
    return head + payload;
}

// Reads a payload front to back; any shortfall or excess marks it bad.
class PayloadReader {
public:
    explicit PayloadReader(std::string_view bytes) : m_rest(bytes) {}

    std::uint64_t Number()
    {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < MAX_NUMBER_BYTES; ++i) {
            if (m_rest.empty())
                break;
            const unsigned char byte = static_cast<unsigned char>(m_rest[0]);
            m_rest.remove_prefix(1);
            value |= static_cast<std::uint64_t>(byte & 0x7F) << (7 * i);
            if (!(byte & 0x80))
                return value;
        }
        m_bad = true;
        return 0;
    }

    std::string Text(std::size_t limit)
    {
        const std::uint64_t size = Number();
        if (m_bad || size > limit || size > m_rest.size()) {
            m_bad = true;
            return {};
        }
        std::string text(m_rest.substr(0, size));
        m_rest.remove_prefix(size);
        return text;
    }

    bool Flag()
    {
        const std::uint64_t value = Number();
        m_bad = m_bad || value > 1;
        return value == 1;
    }

    void Fields(Row& row)
    {
        row.word = Text(MAX_WORD_BYTES);
        row.entry = Text(MAX_FIELD_BYTES);
        row.translation = Text(MAX_FIELD_BYTES);
        row.pronunciation = Text(MAX_FIELD_BYTES);
        row.application = Text(MAX_FIELD_BYTES);
    }

    // Every byte taken and nothing short.
    bool Whole() const { return !m_bad && m_rest.empty(); }

private:
    std::string_view m_rest;
    bool m_bad = false;
};

// The payload of a record of a known kind, read; false when it does not hold
// exactly what that kind writes.
bool ReadPayload(RecordKind kind, std::string_view payload, Record& record)
{
    PayloadReader in(payload);
    record.kind = kind;
    switch (kind) {
    case RecordKind::Lookup:
        record.time = in.Number();
        in.Fields(record.row);
        record.row.firstSeen = record.row.lastSeen = record.time;
        record.row.count = 1;
        break;
    case RecordKind::Star:
        record.time = in.Number();
        record.row.word = in.Text(MAX_WORD_BYTES);
        record.row.starred = in.Flag();
        break;
    case RecordKind::Delete:
        record.time = in.Number();
        record.row.word = in.Text(MAX_WORD_BYTES);
        break;
    case RecordKind::Clear:
        record.time = in.Number();
        return in.Whole();
    case RecordKind::Word: {
        record.row.firstSeen = in.Number();
        record.row.lastSeen = in.Number();
        const std::uint64_t count = in.Number();
        record.row.starred = in.Flag();
        in.Fields(record.row);
        record.time = record.row.lastSeen;
        if (count == 0 || count > UINT32_MAX || record.row.firstSeen > record.row.lastSeen)
            return false;
        record.row.count = static_cast<std::uint32_t>(count);
        break;
    }
    }
    return in.Whole() && !record.row.word.empty();
}

bool KnownKind(std::uint8_t kind)
{
    return kind >= static_cast<std::uint8_t>(RecordKind::Lookup) && kind <= static_cast<std::uint8_t>(RecordKind::Word);
}

} // namespace

bool Row::operator==(const Row& o) const
{
    return word == o.word && entry == o.entry && translation == o.translation && pronunciation == o.pronunciation
        && application == o.application && firstSeen == o.firstSeen && lastSeen == o.lastSeen && count == o.count
        && starred == o.starred;
}

std::uint32_t Crc32(std::string_view bytes, std::uint32_t crc)
{
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    crc = ~crc;
    for (const char c : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(c)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::string EncodeLookup(Time time, const std::string& word, const std::string& entry, const std::string& translation,
                         const std::string& pronunciation, const std::string& application)
{
    if (word.empty())
        return {};
    std::string payload;
    PutNumber(payload, time);
    PutFields(payload, word, entry, translation, pronunciation, application);
    return Framed(RecordKind::Lookup, payload);
}

std::string EncodeStar(Time time, const std::string& word, bool starred)
{
    if (word.empty())
        return {};
    std::string payload;
    PutNumber(payload, time);
    PutText(payload, word, MAX_WORD_BYTES);
    PutNumber(payload, starred ? 1 : 0);
    return Framed(RecordKind::Star, payload);
}

std::string EncodeDelete(Time time, const std::string& word)
{
    if (word.empty())
        return {};
    std::string payload;
    PutNumber(payload, time);
    PutText(payload, word, MAX_WORD_BYTES);
    return Framed(RecordKind::Delete, payload);
}

std::string EncodeClear(Time time)
{
    std::string payload;
    PutNumber(payload, time);
    return Framed(RecordKind::Clear, payload);
}

std::string EncodeWord(const Row& row)
{
    if (row.word.empty())
        return {};
    std::string payload;
    PutNumber(payload, std::min(row.firstSeen, row.lastSeen));
    PutNumber(payload, row.lastSeen);
    PutNumber(payload, std::max<std::uint32_t>(row.count, 1));
    PutNumber(payload, row.starred ? 1 : 0);
    PutFields(payload, row.word, row.entry, row.translation, row.pronunciation, row.application);
    return Framed(RecordKind::Word, payload);
}

JournalScan ReadJournal(std::string_view bytes, const std::function<bool(const Record&)>& apply)
{
    static_assert(MAX_WORD_BYTES + 4 * MAX_FIELD_BYTES + 8 * MAX_NUMBER_BYTES < MAX_PAYLOAD_BYTES,
                  "a record of the biggest fields fits its head's length");
    JournalScan scan;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::string_view rest = bytes.substr(at);
        if (rest.find_first_not_of('\0') == std::string_view::npos)
            return scan;   // a crash may leave the space it had taken as zeros
        if (rest.size() < RECORD_HEAD_BYTES) {
            // A head cut short: torn, unless the bytes it has already do not check.
            scan.damaged = rest.size() >= 4 && static_cast<std::uint8_t>(rest[3]) != (Crc32(rest.substr(0, 3)) & 0xFF);
            return scan;
        }
        if (static_cast<std::uint8_t>(rest[3]) != (Crc32(rest.substr(0, 3)) & 0xFF)) {
            scan.damaged = true;
            return scan;
        }
        const std::size_t length = static_cast<unsigned char>(rest[1]) | static_cast<unsigned char>(rest[2]) << 8;
        if (rest.size() < RECORD_HEAD_BYTES + length)
            return scan;   // the record being written when Zeto stopped
        const std::string_view payload = rest.substr(RECORD_HEAD_BYTES, length);
        std::uint32_t stored = 0;
        for (int i = 0; i < 4; ++i)
            stored |= static_cast<std::uint32_t>(static_cast<unsigned char>(rest[4 + i])) << (8 * i);
        if (Crc32(payload, Crc32(rest.substr(0, 3))) != stored) {
            scan.damaged = true;
            return scan;
        }
        const std::uint8_t kind = static_cast<std::uint8_t>(rest[0]);
        if (KnownKind(kind)) {
            Record record;
            if (!ReadPayload(static_cast<RecordKind>(kind), payload, record) || !apply(record)) {
                scan.damaged = true;
                return scan;
            }
        }
        at += RECORD_HEAD_BYTES + length;
        scan.goodBytes = at;
    }
    return scan;
}

} // namespace notebook

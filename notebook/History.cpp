#include "notebook/History.h"

#include <algorithm>
#include <limits>

namespace notebook {

namespace {

// Newest first; the key breaks ties, so the order never depends on the map.
bool NewerFirst(const Row& a, const Row& b)
{
    if (a.lastSeen != b.lastSeen)
        return a.lastSeen > b.lastSeen;
    return WordKey(a.word) < WordKey(b.word);
}

void Looked(Row& row, const Row& lookup)
{
    row.word = lookup.word;
    row.entry = lookup.entry;
    row.translation = lookup.translation;
    row.pronunciation = lookup.pronunciation;
    row.application = lookup.application;
    row.firstSeen = std::min(row.firstSeen, lookup.lastSeen);
    row.lastSeen = std::max(row.lastSeen, lookup.lastSeen);
    if (row.count < std::numeric_limits<std::uint32_t>::max())
        ++row.count;
}

} // namespace

std::string WordKey(std::string_view word)
{
    std::string key(word);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return key;
}

bool History::Apply(const Record& record)
{
    const std::string key = WordKey(record.row.word);
    const auto found = m_rows.find(key);
    const bool fresh = found == m_rows.end();
    switch (record.kind) {
    case RecordKind::Lookup:
    case RecordKind::Word:
        if (fresh && m_rows.size() >= MAX_WORDS)
            return false;
        if (record.kind == RecordKind::Word)
            m_rows[key] = record.row;
        else if (fresh)
            m_rows.emplace(key, record.row);
        else
            Looked(found->second, record.row);
        break;
    case RecordKind::Star:
        if (!fresh)
            found->second.starred = record.row.starred;
        break;
    case RecordKind::Delete:
        if (!fresh)
            m_rows.erase(found);
        break;
    case RecordKind::Clear:
        m_rows.clear();
        break;
    }
    return true;
}

std::vector<Row> History::Rows() const
{
    std::vector<Row> rows;
    rows.reserve(m_rows.size());
    for (const auto& [key, row] : m_rows)
        rows.push_back(row);
    std::sort(rows.begin(), rows.end(), NewerFirst);
    return rows;
}

const Row* History::Find(std::string_view word) const
{
    const auto found = m_rows.find(WordKey(word));
    return found == m_rows.end() ? nullptr : &found->second;
}

std::string History::Compact(std::size_t maxWords) const
{
    const std::vector<Row> rows = Rows();
    const std::size_t starred = std::count_if(rows.begin(), rows.end(), [](const Row& r) { return r.starred; });
    std::size_t unstarredLeft = maxWords > starred ? maxWords - starred : 0;
    std::vector<const Row*> kept;
    for (const Row& row : rows) {
        if (row.starred)
            kept.push_back(&row);
        else if (unstarredLeft > 0) {
            kept.push_back(&row);
            --unstarredLeft;
        }
    }
    std::string bytes;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        bytes += EncodeWord(**it);
    return bytes;
}

HistoryRead ReadHistory(std::string_view bytes)
{
    HistoryRead read;
    const JournalScan scan = ReadJournal(bytes, [&](const Record& record) { return read.history.Apply(record); });
    read.goodBytes = scan.goodBytes;
    read.damaged = scan.damaged;
    return read;
}

} // namespace notebook

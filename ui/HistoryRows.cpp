#include "ui/HistoryRows.h"

#include "notebook/History.h"
#include "text/Utf8Sequence.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace history {

namespace {

constexpr wchar_t REPLACEMENT = 0xFFFD;

wchar_t FoldOne(wchar_t c)
{
    const unsigned u = (unsigned)c;
    const bool even = (u & 1) == 0;
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return (wchar_t)(u + 0x20);
    if ((u >= 0x100 && u <= 0x12F && even) || (u >= 0x132 && u <= 0x137 && even) ||
        (u >= 0x139 && u <= 0x148 && !even) || (u >= 0x14A && u <= 0x177 && even) ||
        (u >= 0x179 && u <= 0x17E && !even))
        return (wchar_t)(u + 1);
    if (u == 0x178)
        return (wchar_t)0xFF;
    if (u >= 0x391 && u <= 0x3A9 && u != 0x3A2)   // Greek
        return (wchar_t)(u + 0x20);
    if (u >= 0x400 && u <= 0x40F)   // Ѐ to Џ
        return (wchar_t)(u + 0x50);
    if (u >= 0x410 && u <= 0x42F)   // А to Я
        return (wchar_t)(u + 0x20);
    if (((u >= 0x460 && u <= 0x481) || (u >= 0x48A && u <= 0x4BF) || (u >= 0x4D0 && u <= 0x52F)) && even)
        return (wchar_t)(u + 1);
    return c;
}

// The word and how it is said ("house /haʊs/"), as the study export writes it.
std::wstring WordWithPronunciation(const notebook::Row& row)
{
    std::wstring text = WideFromUtf8(row.word);
    if (!row.pronunciation.empty())
        text += L" " + WideFromUtf8(row.pronunciation);
    return text;
}

} // namespace

std::wstring WideFromUtf8(const std::string& utf8)
{
    std::wstring wide;
    wide.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const cp1251::Utf8Sequence s = cp1251::DecodeUtf8(utf8.data(), utf8.size(), i);
        i += s.length;
        if (!s.wellFormed) {
            wide += REPLACEMENT;
        } else if (s.codePoint > 0xFFFF && sizeof(wchar_t) == 2) {
            const std::uint32_t v = s.codePoint - 0x10000;
            wide += (wchar_t)(0xD800 + (v >> 10));
            wide += (wchar_t)(0xDC00 + (v & 0x3FF));
        } else {
            wide += (wchar_t)s.codePoint;
        }
    }
    return wide;
}

std::wstring FoldCase(std::wstring text)
{
    for (wchar_t& c : text)
        c = FoldOne(c);
    return text;
}

void HistoryRows::Reset(std::vector<notebook::Row> rows)
{
    m_items.clear();
    m_items.reserve(rows.size());
    for (notebook::Row& row : rows) {
        Item item;
        item.word = WordWithPronunciation(row);
        item.translation = WideFromUtf8(row.translation);
        item.foldedWord = FoldCase(WideFromUtf8(row.word));
        item.foldedTranslation = FoldCase(item.translation);
        item.row = std::move(row);
        m_items.push_back(std::move(item));
    }
    Sort();
}

void HistoryRows::SortBy(Column column)
{
    if (column == m_column)
        m_ascending = !m_ascending;
    else
        m_ascending = column == Column::Word || column == Column::Translation;
    m_column = column;
    Sort();
}

void HistoryRows::Filter(const std::wstring& text)
{
    m_filter = FoldCase(text);
    ApplyFilter();
}

long HistoryRows::Find(const std::string& word) const
{
    const std::string key = notebook::WordKey(word);
    for (std::size_t i = 0; i < m_shown.size(); ++i)
        if (notebook::WordKey(m_items[m_shown[i]].row.word) == key)
            return (long)i;
    return -1;
}

// Ties go by the word, always from A, so an order never depends on the
// order the rows came in.
void HistoryRows::Sort()
{
    // Negative, zero or positive as x goes before, with or after y, from A.
    const auto compare = [this](const Item& x, const Item& y) -> int {
        const notebook::Row &a = x.row, &b = y.row;
        switch (m_column) {
        case Column::Word: return 0;
        case Column::Translation: return x.foldedTranslation.compare(y.foldedTranslation);
        case Column::Count: return a.count < b.count ? -1 : a.count > b.count;
        case Column::LastSeen: return a.lastSeen < b.lastSeen ? -1 : a.lastSeen > b.lastSeen;
        case Column::Star: return (int)a.starred - (int)b.starred;
        }
        return 0;
    };
    m_sorted.resize(m_items.size());
    for (std::size_t i = 0; i < m_sorted.size(); ++i)
        m_sorted[i] = i;
    std::sort(m_sorted.begin(), m_sorted.end(), [&](std::size_t a, std::size_t b) {
        const Item& x = m_items[a];
        const Item& y = m_items[b];
        if (const int order = compare(x, y))
            return m_ascending ? order < 0 : order > 0;
        if (const int order = x.foldedWord.compare(y.foldedWord))
            return m_column == Column::Word && !m_ascending ? order > 0 : order < 0;
        return a < b;
    });
    ApplyFilter();
}

void HistoryRows::ApplyFilter()
{
    m_shown.clear();
    m_shown.reserve(m_sorted.size());
    for (std::size_t i : m_sorted) {
        const Item& item = m_items[i];
        if (m_filter.empty() || item.foldedWord.find(m_filter) != std::wstring::npos ||
            item.foldedTranslation.find(m_filter) != std::wstring::npos)
            m_shown.push_back(i);
    }
}

} // namespace history

// The History window's rows as its list shows them: the history's rows in
// UTF-16, sorted by a column and filtered by a search text, held as an index
// so that a keystroke of the search costs one pass over folded texts and
// never a sort. Portable: the rules run natively too.
#pragma once
#include "notebook/HistoryJournal.h"

#include <cstddef>
#include <string>
#include <vector>

namespace history {

enum class Column { Word, Translation, Count, LastSeen, Star };
constexpr int COLUMN_COUNT = 5;

// UTF-8 as UTF-16 (a malformed sequence becomes U+FFFD).
std::wstring WideFromUtf8(const std::string& utf8);
// Small letters for the capitals of ASCII, Latin-1, Latin Extended-A, Greek
// and Cyrillic: what a search matches without regard to case.
std::wstring FoldCase(std::wstring text);

class HistoryRows {
public:
    // New rows (taken, not copied: there may be ten thousand); the sort and
    // the filter stay.
    void Reset(std::vector<notebook::Row> rows);
    // Sorts by column; the column sorted by already is reversed. Text columns
    // start from A, the others from the most (count, the latest, starred).
    void SortBy(Column column);
    // Keeps the rows whose word or translation contains text, whatever the
    // case; an empty text keeps all.
    void Filter(const std::wstring& text);

    Column SortColumn() const { return m_column; }
    bool Ascending() const { return m_ascending; }

    std::size_t Count() const { return m_shown.size(); }
    const notebook::Row& RowAt(std::size_t shown) const { return m_items[m_shown[shown]].row; }
    // The word with its pronunciation after it ("house /haʊs/"), when it has one.
    const std::wstring& WordText(std::size_t shown) const { return m_items[m_shown[shown]].word; }
    const std::wstring& TranslationText(std::size_t shown) const { return m_items[m_shown[shown]].translation; }
    // The shown position of the word (any letter case), or -1.
    long Find(const std::string& word) const;

private:
    struct Item {
        notebook::Row row;
        std::wstring word, translation;             // as shown
        std::wstring foldedWord, foldedTranslation; // as searched and sorted
    };
    void Sort();
    void ApplyFilter();

    std::vector<Item> m_items;
    std::vector<std::size_t> m_sorted;   // every item, in the sort's order
    std::vector<std::size_t> m_shown;    // the sorted items the filter keeps
    std::wstring m_filter;               // folded
    Column m_column = Column::LastSeen;
    bool m_ascending = false;
};

} // namespace history

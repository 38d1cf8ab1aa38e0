// The history as the History window shows it: one row per word, built by
// applying the journal's records in order (notebook/HistoryJournal.h).
//
// Words are the same word whatever their ASCII letter case ("House" and
// "house" are one row); the row keeps the spelling of the latest lookup.
// A lookup counts, moves the row's last time, and replaces what was shown
// (entry, translation, pronunciation, application) with the latest. A star
// or a deletion of a word not in the history changes nothing. "Clear
// History" removes every word, starred ones too: the user asked for it.
#pragma once
#include "notebook/HistoryJournal.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace notebook {

// The most words a journal may hold: four times the cap Zeto compacts to,
// so a hostile file cannot make the reader keep more.
constexpr std::size_t MAX_WORDS = 40000;
constexpr std::size_t DEFAULT_MAX_WORDS = 10000;

class History {
public:
    // Applies one record; false (nothing changed) when it would make more
    // than MAX_WORDS words.
    bool Apply(const Record& record);

    // The rows, the most recently looked up first.
    std::vector<Row> Rows() const;
    const Row* Find(std::string_view word) const;
    std::size_t Size() const { return m_rows.size(); }

    // The bytes of a journal holding the same rows, oldest first, but only the
    // starred words and the newest unstarred ones, up to maxWords words in
    // all (starred words are kept even past it).
    std::string Compact(std::size_t maxWords) const;

private:
    std::map<std::string, Row> m_rows;   // by the word in ASCII lower case
};

struct HistoryRead {
    History history;
    std::size_t goodBytes = 0;   // cut the file here before appending
    bool damaged = false;        // keep the file aside: some records were lost
};

// The journal's bytes read up to the first damage (or a torn last record).
HistoryRead ReadHistory(std::string_view bytes);

// The word with its ASCII letters in lower case: how words are matched.
std::string WordKey(std::string_view word);

} // namespace notebook

#pragma once

#include "tools/zetodict/FreeDictEntry.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Gathers the entries of one headword (FreeDict has one per part of speech
// or etymology) into a single dictionary record in Windows-1251:
// the distinct equivalents in order, ", " within a part of speech and "; "
// between parts of speech, stress marks removed, kept to one short line.
// Ranked, the equivalents a reader most likely means come first.
class Headword {
public:
    // Longest translation, in bytes, before equivalents are left out; each
    // part of speech keeps at least its first equivalent.
    static const std::size_t TOOLTIP_LIMIT = 160;

    explicit Headword(const std::string& key);   // the dictd index word

    void Add(const FreeDictEntry& entry);

    // Orders each part of speech's equivalents by their support, most first,
    // and the parts of speech by their best-supported equivalent; ties keep
    // the order of the entries. Nothing is dropped here: the tooltip limit
    // cuts the least supported.
    using Support = std::function<int(const std::string& equivalent)>;
    void Rank(const Support& support);

    struct Group {
        std::string partOfSpeech;
        std::vector<std::string> equivalents;   // Windows-1251, distinct
    };
    const std::vector<Group>& Groups() const { return m_groups; }

    std::string Word() const;          // Windows-1251
    std::string WordUtf8() const;      // the same spelling in UTF-8
    std::string Translation() const;   // Windows-1251
    std::size_t Unmapped() const { return m_nUnmapped; }

private:
    struct Spelling {
        std::string utf8;
        std::string converted;   // Windows-1251
    };

    std::string Convert(const std::string& utf8);
    const Spelling* Chosen() const;   // the spelling the record is named by

    std::string m_strKey;
    std::vector<Spelling> m_spellings;   // in order of the entries
    std::vector<Group> m_groups;
    std::size_t m_nUnmapped = 0;
};

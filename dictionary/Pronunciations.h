// How headwords are said: the IPA that FreeDict gives on an entry's first
// line ("house //haʊs// <n>"), kept per part of speech, since some words are
// said differently as a noun and as a verb (house /haʊs/, /haʊz/).
//
// The shipped file, pron.dat, is UTF-8 text: a header line
//     wordlumo-pron 1 <words> <FNV-1a of the rest, 8 hex digits>
// then one line per headword, sorted by its bytes, with a tab before each
// field:
//     <headword> <part of speech> <IPA> [<part of speech> <IPA>...]
// The part of speech may be empty, and is named once on a line; no field
// holds a tab, a line end or any other control character, nor is longer
// than MAX_FIELD_BYTES. A file that
// breaks any of this is refused whole.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

class CPronunciations {
public:
    static constexpr const char* FILE_NAME = "pron.dat";
    static constexpr std::size_t MAX_FIELD_BYTES = 200;
    static constexpr std::size_t MAX_FILE_BYTES = 16u << 20;

    struct Item {
        std::string word;
        std::string partOfSpeech;
        std::string ipa;
    };
    struct Reading {
        std::string partOfSpeech;
        std::string ipa;
        bool operator==(const Reading& other) const
        {
            return partOfSpeech == other.partOfSpeech && ipa == other.ipa;
        }
    };

    // The file for these items: for each word and part of speech the first
    // IPA given, in the order given; items with a field the file cannot hold
    // are left out.
    static std::string Build(const std::vector<Item>& items);

    // Takes the file's bytes; false, leaving nothing loaded, when they are
    // not a whole, undamaged pronunciation file.
    bool Load(std::string bytes);
    // Reads an open file to its end (the caller closes it) and loads it;
    // false for a file larger than MAX_FILE_BYTES.
    bool Load(std::FILE* file);

    // The readings of a headword as written, in file order; empty when it
    // has none.
    std::vector<Reading> Of(const std::string& word) const;
    // How a word is said, for the reader (UTF-8): "/haʊs/" when every part of
    // speech says it alike, else each reading after its parts of speech
    // ("n. /haʊs/, v. /haʊz/"); empty when it has none. A word not found as
    // written is looked for in lower case ("House" at a sentence's start).
    std::string Said(const std::string& word) const;
    std::size_t Count() const { return m_lines.size(); }
    // Every item, in file order.
    std::vector<Item> Items() const;

private:
    std::string m_text;                  // the lines after the header
    std::vector<std::uint32_t> m_lines;  // where each line starts in m_text
};

#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

// English words whose base forms no suffix rule finds (ran -> run,
// children -> child, was -> be), read from WordNet's exception lists.
//
// The shipped file, forms.dat, is text: a header line
//     wordlumo-forms 1 <entries> <FNV-1a of the rest, 8 hex digits>
// then one line per inflected form, sorted by its bytes:
//     <inflected> <base> [<base>...]
// A line whose only base is the word itself marks a word no rule may cut
// (is, in the noun list). The word itself among its bases says that those
// before it are the more likely readings of a word that is also an entry of
// its own (saw see saw: "I saw" far more often than the tool). A
// capitalised line that names only itself is a proper name (Carter
// Carter). The hash lets
// Zeto tell a damaged file from a good one; a damaged file is refused whole.
class CIrregularForms {
public:
    // The file's name; it ships beside data.dat.
    static constexpr const char* FILE_NAME = "forms.dat";
    static constexpr std::size_t MAX_FILE_BYTES = 4u << 20;   // WordNet's lists make 0.2 MB

    // Builds the file from the texts of WordNet's .exc files, given in the
    // order their bases are to be tried (noun, verb, adj, adv). Entries
    // with anything but letters and hyphens (multi-word ones) are left out.
    static std::string Build(const std::vector<std::string>& excTexts);

    // Takes the file's bytes; false, leaving the table empty, when they are
    // not a whole, undamaged forms file.
    bool Load(std::string bytes);
    // Reads an open file to its end (the caller closes it) and loads it;
    // false for a file larger than MAX_FILE_BYTES.
    bool Load(std::FILE* file);
    // Reads and loads a file; false with *problem set when it is missing or
    // damaged.
    bool LoadFile(const char* path, std::string* problem);

    // The bases listed for a lower-case word, in order, the word itself
    // left out; empty when it has none.
    std::vector<std::string> BasesOf(const std::string& word) const;
    // True when the lists name the word at all: then its listed bases are
    // its only base forms and no suffix rule applies.
    bool Lists(const std::string& word) const;
    // True for a capitalised word the file lists as a proper name (a line
    // "Carter Carter"): the suffix rules never cut it into a common word.
    bool IsName(const std::string& word) const;
    // The readings of a lower-case word, most likely first: the word itself
    // and its listed bases, the word first unless its line places it later.
    // Just the word when the lists do not name it.
    std::vector<std::string> ReadingsOf(const std::string& word) const;

    std::size_t Count() const { return m_lines.size(); }
    std::size_t MemoryBytes() const { return m_text.capacity() + m_lines.capacity() * sizeof(std::uint32_t); }

private:
    // Offset of the line for word in m_text, or npos.
    std::size_t Find(const std::string& word) const;

    std::string m_text;                  // the file's lines after the header
    std::vector<std::uint32_t> m_lines;  // where each line starts in m_text
};

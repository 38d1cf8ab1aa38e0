// The history's words exported for study: a text file Anki imports without
// any mapping, and a CSV file Excel opens with the right letters.
//
// Anki's file: UTF-8, header lines first ("#separator:tab", "#html:true",
// "#notetype:Basic", "#deck:Wordlumo", "#guid column:1", "#tags column:4"),
// then one note per line: guid, front, back, tags, separated by tabs. The
// guid comes first because Anki takes any line starting with '#' for a
// comment, and a guid never starts so, while a word might. Front is the word
// with how it is said after it ("house /haʊs/"; just the word when there is
// none); back is the translation; both are HTML, so '&', '<' and '>' are
// written as entities and line ends as "<br>"; a field holding a tab or a
// double quote is put in double quotes, its quotes doubled. Tags: "wordlumo",
// and "starred" for a starred word.
//
// The guid is the word's own: the FNV-1a 64-bit hash of the word in ASCII
// lower case, in base 62 (letters and digits only), after "wl". A second
// export of the same words gives the same guids, so importing it updates
// the cards instead of doubling them.
//
// The CSV file: UTF-8 with a byte order mark (without it Excel reads the
// bytes in the system's code page), a header line, fields separated by
// commas, a field holding a comma, a quote or a line end put in double
// quotes with its quotes doubled, lines ending in CR LF. Times in UTC.
#pragma once
#include "notebook/History.h"

#include <string>
#include <vector>

namespace notebook {

enum class ExportWhich {
    All,
    Starred,
    Since,   // looked up at or after a time
};

// The history's rows that go to an export, the most recently looked up first.
std::vector<Row> RowsToExport(const History& history, ExportWhich which, Time since = 0);

std::string AnkiText(const std::vector<Row>& rows);
std::string CsvText(const std::vector<Row>& rows);

// The guid of the word's note, the same for any letter case of the word.
std::string AnkiGuid(const std::string& word);

} // namespace notebook

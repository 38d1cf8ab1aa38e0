#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

// A word/translation pair on its way into a .dat file, already in
// Windows-1251, with where it came from for messages.
class Headword;
class PivotSupport;

struct SourceRecord {
    std::string word;
    std::string translation;
    std::string where;   // e.g. "words.tsv line 12"
};

// What reading an input file produced.
struct SourceResult {
    bool ok = true;
    std::string error;          // set when !ok
    std::size_t unmapped = 0;   // characters written as '?'
};

// Reads UTF-8 TSV, word<TAB>translation per line, fields escaped as
// `zetodict dump` writes them. Blank lines are skipped.
SourceResult ReadTsv(const std::string& path, std::vector<SourceRecord>& out);
// The same from a stream; name stands for the file in messages.
SourceResult ParseTsv(std::istream& in, const std::string& name, std::vector<SourceRecord>& out);

// Reads a dictd dictionary: the .index (or its base name) and the .dict or
// .dict.dz beside it, one record per distinct index word. With pivots, each
// record's equivalents are ranked by how many pivot languages support them.
SourceResult ReadDictd(const std::string& input, std::vector<SourceRecord>& out,
                       const PivotSupport* pivots = nullptr);
// The same from an open index and the whole (uncompressed) .dict text; the
// names stand for the two files in messages.
SourceResult ParseDictd(std::istream& index, const std::string& indexName, const std::string& text,
                        const std::string& dictName, std::vector<SourceRecord>& out,
                        const PivotSupport* pivots = nullptr);
// Ranks one headword's equivalents by the number of pivot languages through
// which its English index word reaches each.
void RankByPivots(Headword& headword, const std::string& english, const PivotSupport& pivots);

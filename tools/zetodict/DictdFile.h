#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

// A dictd dictionary on disk: the .index lists each entry as
// word<TAB>offset<TAB>length (base-64 numbers) into the .dict text, which
// may be compressed as .dict.dz.
struct DictdIndexLine {
    std::string word;
    std::size_t offset = 0;
    std::size_t length = 0;
    std::string where;   // e.g. "x.index line 12", for messages
};

// The files of the dictionary named by its .index, .dict, .dict.dz or base
// name. On failure, false with a message starting "cannot ".
bool ReadDictdFiles(const std::string& input, std::string* indexPath, std::string* text, std::string* error);

// Every index line but the dictionary's own information ("00database…"), in
// file order. A line that is not three fields, or whose entry lies beyond
// the text, stops the reading with an error naming it.
bool ParseDictdIndex(std::istream& index, const std::string& indexName, std::size_t textSize,
                     const std::string& dictName, std::vector<DictdIndexLine>& out, std::string* error);

// The bytes of a data file read whole, bounded: a file bigger than any
// good one of its kind is refused before it is all in memory.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>
#include <utility>

// Reads an open file to its end (the caller closes it). False when it cannot
// be read or holds more than maxBytes.
bool ReadFileBytes(std::FILE* file, std::size_t maxBytes, std::string& bytes);

// data.Load(bytes) on the file's bytes; a file that cannot be read or is too
// big loads as an empty one, and gives false.
template <class Data> bool LoadFileBytes(Data& data, std::FILE* file, std::size_t maxBytes)
{
    std::string bytes;
    if (!ReadFileBytes(file, maxBytes, bytes)) {
        data.Load(std::string());
        return false;
    }
    return data.Load(std::move(bytes));
}

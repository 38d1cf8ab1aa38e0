// The bytes of a data file read whole, bounded: a file bigger than any
// good one of its kind is refused before it is all in memory.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

// Reads an open file to its end (the caller closes it). False when it cannot
// be read or holds more than maxBytes.
bool ReadFileBytes(std::FILE* file, std::size_t maxBytes, std::string& bytes);

// Input and output files read and written whole.
#pragma once
#include <cstdio>
#include <string>

// False when path cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text);
// Writes bytes as the whole of path. False, with a message naming the
// command, when the file cannot be opened or written whole.
bool WriteWholeFile(const std::string& path, const std::string& bytes, const char* command, FILE* err);

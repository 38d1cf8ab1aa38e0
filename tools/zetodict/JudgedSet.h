#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A judged set for measuring answers (the quality panel, the selection set):
// UTF-8 lines of `fields` tab-separated fields, none empty, the last taking
// the rest of the line; blank lines and lines starting with '#' are skipped.
// On failure, false with a message naming the line and the format expected,
// or starting "cannot " when the file cannot be read.
bool ReadJudgedSet(const std::string& path, std::size_t fields, const char* format,
                   std::vector<std::vector<std::string>>& rows, std::string* error);

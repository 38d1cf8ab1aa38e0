#pragma once

#include "tests/support/Records.h"

#include <string>
#include <vector>

// The file form of one record, as bytes.
inline std::vector<unsigned char> RecordBytes(const std::string& word, const std::string& translation)
{
    const std::string bytes = support::RecordBytes(word, translation);
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

inline std::vector<unsigned char> Concat(std::vector<std::vector<unsigned char>> parts)
{
    std::vector<unsigned char> out;
    for (auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

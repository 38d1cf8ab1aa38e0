#pragma once

#include <string>
#include <vector>

// The file form of one record, written out by hand so the loader is checked
// against the format itself rather than against our own writer.
inline std::vector<unsigned char> RecordBytes(const std::string& word, const std::string& translation)
{
    std::vector<unsigned char> out;
    auto text = [&out](const std::string& s) {
        out.push_back(static_cast<unsigned char>(s.size() & 0xFF));
        out.push_back(static_cast<unsigned char>(s.size() >> 8));
        for (char c : s)
            out.push_back(static_cast<unsigned char>(~static_cast<unsigned char>(c)));
    };
    text(word);
    text(translation);
    return out;
}

inline std::vector<unsigned char> Concat(std::vector<std::vector<unsigned char>> parts)
{
    std::vector<unsigned char> out;
    for (auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

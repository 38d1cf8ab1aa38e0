// Dictionary files for the tests, in the record format written out by hand
// (two 16-bit little-endian lengths, then the two texts with every bit
// inverted), so the code under test is checked against the format itself
// rather than against its own writer. Portable: native tests use it too.
#pragma once
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace support {

using Pairs = std::vector<std::pair<std::string, std::string>>;

inline std::string RecordBytes(const std::string& word, const std::string& translation)
{
    std::string bytes;
    auto put = [&bytes](const std::string& text) {
        bytes += (char)(text.size() & 0xFF);
        bytes += (char)((text.size() >> 8) & 0xFF);
        for (char c : text)
            bytes += (char)~c;
    };
    put(word);
    put(translation);
    return bytes;
}

inline std::string DictionaryBytes(const Pairs& pairs)
{
    std::string bytes;
    for (const auto& [word, translation] : pairs)
        bytes += RecordBytes(word, translation);
    return bytes;
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// The whole file; "<missing>" when it can't be read.
inline std::string ReadFileBytes(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

inline void WriteDictionary(const std::string& path, const Pairs& pairs) { WriteFileBytes(path, DictionaryBytes(pairs)); }

} // namespace support

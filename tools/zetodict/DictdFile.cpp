#include "tools/zetodict/DictdFile.h"

#include <zlib.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool Exists(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return static_cast<bool>(f);
}

// dictd writes offsets and lengths in base 64, most significant digit first.
bool DecodeNumber(const std::string& digits, unsigned long long* value)
{
    static const char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (digits.empty() || digits.size() > 10)
        return false;
    *value = 0;
    for (char c : digits) {
        const char* p = std::strchr(ALPHABET, c);
        if (c == '\0' || !p)
            return false;
        *value = *value * 64 + static_cast<unsigned long long>(p - ALPHABET);
    }
    return true;
}

// The whole .dict text; zlib reads .dict.dz and passes a plain .dict through.
bool ReadDictText(const std::string& path, std::string* text, std::string* error)
{
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file) {
        *error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    std::vector<char> chunk(1 << 20);
    for (;;) {
        const int got = gzread(file, chunk.data(), static_cast<unsigned>(chunk.size()));
        if (got < 0) {
            int code = 0;
            *error = "cannot read " + path + ": " + gzerror(file, &code);
            gzclose(file);
            return false;
        }
        if (got == 0)
            break;
        text->append(chunk.data(), static_cast<std::size_t>(got));
    }
    gzclose(file);
    return true;
}

bool IsDatabaseInfo(const std::string& word)
{
    return word.compare(0, 10, "00database") == 0 || word.compare(0, 11, "00-database") == 0;
}

} // namespace

bool ReadDictdFiles(const std::string& input, std::string* indexPath, std::string* text, std::string* error)
{
    std::string base = input;
    for (const char* ext : {".index", ".dict.dz", ".dict"}) {
        if (EndsWith(base, ext)) {
            base.erase(base.size() - std::strlen(ext));
            break;
        }
    }
    *indexPath = base + ".index";
    if (!Exists(*indexPath)) {
        *error = "cannot open " + *indexPath + ": " + std::strerror(ENOENT);
        return false;
    }
    return ReadDictText(Exists(base + ".dict.dz") ? base + ".dict.dz" : base + ".dict", text, error);
}

bool ParseDictdIndex(std::istream& index, const std::string& indexName, std::size_t textSize,
                     const std::string& dictName, std::vector<DictdIndexLine>& out, std::string* error)
{
    std::string line;
    long lineNo = 0;
    while (std::getline(index, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const std::string here = indexName + " line " + std::to_string(lineNo);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        unsigned long long offset = 0;
        unsigned long long length = 0;
        if (tab2 == std::string::npos || line.find('\t', tab2 + 1) != std::string::npos
            || !DecodeNumber(line.substr(tab1 + 1, tab2 - tab1 - 1), &offset)
            || !DecodeNumber(line.substr(tab2 + 1), &length)) {
            *error = here + ": expected word<TAB>offset<TAB>length with base-64 numbers";
            return false;
        }
        if (offset > textSize || length > textSize - offset) {
            *error = here + ": the entry lies beyond the end of " + dictName;
            return false;
        }
        std::string word = line.substr(0, tab1);
        if (IsDatabaseInfo(word))
            continue;
        out.push_back(DictdIndexLine{std::move(word), static_cast<std::size_t>(offset),
                                     static_cast<std::size_t>(length), here});
    }
    return true;
}

// The check of the text files shipped beside data.dat (forms.dat, pron.dat):
// a header line "<magic><count> <hash>\n" before the body, where the hash is
// the 32-bit FNV-1a of the body in 8 hex digits. It tells a damaged file from
// a good one; it is no defence against a file made to pass.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

inline std::uint32_t Fnv1a(std::string_view text)
{
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

// The whole file: the header for count entries, then the body.
inline std::string WithCheckedHeader(const char* magic, std::size_t count, const std::string& body)
{
    char header[64];
    std::snprintf(header, sizeof header, "%s%zu %08x\n", magic, count, static_cast<unsigned>(Fnv1a(body)));
    return header + body;
}

// The body of a file whose header has this magic and checks, and whose body
// ends its last line; false otherwise. count: the entries the header names.
inline bool CheckedBody(const std::string& bytes, const char* magic, std::string& body, unsigned long& count)
{
    const std::size_t magicLen = std::strlen(magic);
    const std::size_t headerEnd = bytes.find('\n');
    if (bytes.compare(0, magicLen, magic) != 0 || headerEnd == std::string::npos)
        return false;
    unsigned hash = 0;
    char tail = 0;
    const std::string header = bytes.substr(magicLen, headerEnd - magicLen);
    if (std::sscanf(header.c_str(), "%lu %8x%c", &count, &hash, &tail) != 2)
        return false;
    body = bytes.substr(headerEnd + 1);
    return Fnv1a(body) == hash && (body.empty() || body.back() == '\n');
}

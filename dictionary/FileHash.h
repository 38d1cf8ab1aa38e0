// The check of the text files shipped beside data.dat (forms.dat, pron.dat):
// the 32-bit FNV-1a hash of everything after the header line, which the
// header names in 8 hex digits. It tells a damaged file from a good one; it
// is no defence against a file made to pass.
#pragma once
#include <cstdint>
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

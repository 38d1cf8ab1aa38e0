#pragma once

#include "dictionary/Dictionary.h"

#include <string>
#include <utility>
#include <vector>

// Fills a dictionary with the given word/translation pairs, in order.
inline void Fill(CDictionary& dict, const std::vector<std::pair<std::string, std::string>>& pairs)
{
    for (const auto& p : pairs)
        dict.AddPair(p.first.c_str(), p.second.c_str());
}

// Fills with n filler entries named f0x, f1x, …; their translations are "-".
inline void Filler(CDictionary& dict, int n, const std::string& prefix = "f")
{
    for (int i = 0; i < n; ++i)
        dict.AddPair((prefix + std::to_string(i) + "x").c_str(), "-");
}

#include "dictionary/IrregularForms.h"

#include "dictionary/FileBytes.h"

#include "dictionary/FileHash.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>

namespace {

const char MAGIC[] = "wordlumo-forms 1 ";

bool IsFormChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-'; }

bool IsForm(const std::string& word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), IsFormChar);
}

// The first field of the line starting at offset: up to a space or the
// line's end.
std::string KeyAt(const std::string& text, std::size_t offset)
{
    return text.substr(offset, text.find_first_of(" \n", offset) - offset);
}

} // namespace

std::string CIrregularForms::Build(const std::vector<std::string>& excTexts)
{
    std::map<std::string, std::vector<std::string>> bases;   // sorted by bytes
    for (const std::string& text : excTexts) {
        std::istringstream lines(text);
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream fields(line);
            std::string word, base;
            if (!(fields >> word) || !IsForm(word))
                continue;
            std::vector<std::string> found;
            bool whole = true;
            while (fields >> base)
                whole = whole && IsForm(base), found.push_back(base);
            if (!whole || found.empty())
                continue;
            std::vector<std::string>& list = bases[word];
            for (const std::string& b : found)
                if (std::find(list.begin(), list.end(), b) == list.end())
                    list.push_back(b);
        }
    }
    std::string body;
    for (const auto& entry : bases) {
        body += entry.first;
        for (const std::string& b : entry.second)
            body += ' ' + b;
        body += '\n';
    }
    return WithCheckedHeader(MAGIC, bases.size(), body);
}

bool CIrregularForms::Load(std::string bytes)
{
    m_text.clear();
    m_lines.clear();
    std::string body;
    unsigned long count = 0;
    if (!CheckedBody(bytes, MAGIC, body, count))
        return false;

    std::vector<std::uint32_t> lines;
    std::string previous;
    for (std::size_t at = 0; at < body.size(); at = body.find('\n', at) + 1) {
        const std::string key = KeyAt(body, at);
        // Every line has a base, and the lines are strictly sorted, or a
        // lookup by halving would miss words.
        if (key.empty() || body[at + key.size()] != ' ' || (!lines.empty() && !(previous < key)))
            return false;
        lines.push_back(static_cast<std::uint32_t>(at));
        previous = key;
    }
    if (lines.size() != count)
        return false;
    m_text = std::move(body);
    m_lines = std::move(lines);
    return true;
}

bool CIrregularForms::Load(std::FILE* file)
{
    return LoadFileBytes(*this, file, MAX_FILE_BYTES);
}

bool CIrregularForms::LoadFile(const char* path, std::string* problem)
{
    FILE* file = std::fopen(path, "rb");
    if (!file) {
        *problem = std::string(path) + " is missing";
        Load(std::string());
        return false;
    }
    const bool loaded = Load(file);
    std::fclose(file);
    if (!loaded) {
        *problem = std::string(path) + " is damaged";
        return false;
    }
    return true;
}

std::size_t CIrregularForms::Find(const std::string& word) const
{
    const auto it = std::lower_bound(m_lines.begin(), m_lines.end(), word,
        [this](std::uint32_t at, const std::string& w) { return KeyAt(m_text, at) < w; });
    if (it == m_lines.end() || KeyAt(m_text, *it) != word)
        return std::string::npos;
    return *it;
}

bool CIrregularForms::Lists(const std::string& word) const
{
    return Find(word) != std::string::npos;
}

std::vector<std::string> CIrregularForms::BasesOf(const std::string& word) const
{
    std::vector<std::string> bases;
    const std::size_t at = Find(word);
    if (at == std::string::npos)
        return bases;
    std::istringstream fields(m_text.substr(at, m_text.find('\n', at) - at));
    std::string base;
    fields >> base;   // the word itself
    while (fields >> base)
        if (base != word)
            bases.push_back(base);
    return bases;
}

std::vector<std::string> CIrregularForms::ReadingsOf(const std::string& word) const
{
    std::vector<std::string> readings;
    const std::size_t at = Find(word);
    if (at != std::string::npos) {
        std::istringstream fields(m_text.substr(at, m_text.find('\n', at) - at));
        std::string base;
        fields >> base;   // the word itself
        while (fields >> base)
            readings.push_back(base);
    }
    if (std::find(readings.begin(), readings.end(), word) == readings.end())
        readings.insert(readings.begin(), word);
    return readings;
}

bool CIrregularForms::IsName(const std::string& word) const
{
    return !word.empty() && word[0] >= 'A' && word[0] <= 'Z' && BasesOf(word).empty() && Lists(word);
}

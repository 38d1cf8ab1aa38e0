#include "dictionary/Pronunciations.h"

#include "dictionary/FileBytes.h"
#include "dictionary/FileHash.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

const char MAGIC[] = "wordlumo-pron 1 ";

bool Holdable(const std::string& field)
{
    return field.size() <= CPronunciations::MAX_FIELD_BYTES &&
           std::none_of(field.begin(), field.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// The tab-separated fields of the line starting at offset.
std::vector<std::string> FieldsAt(const std::string& text, std::size_t offset)
{
    std::vector<std::string> fields;
    const std::size_t end = text.find('\n', offset);
    for (std::size_t at = offset;;) {
        const std::size_t tab = std::min(text.find('\t', at), end);
        fields.push_back(text.substr(at, tab - at));
        if (tab == end)
            return fields;
        at = tab + 1;
    }
}

} // namespace

std::string CPronunciations::Build(const std::vector<Item>& items)
{
    std::map<std::string, std::vector<Reading>> words;   // sorted by bytes
    for (const Item& item : items) {
        if (item.word.empty() || item.ipa.empty() || !Holdable(item.word) || !Holdable(item.partOfSpeech) ||
            !Holdable(item.ipa))
            continue;
        std::vector<Reading>& readings = words[item.word];
        const bool said = std::any_of(readings.begin(), readings.end(),
                                      [&](const Reading& r) { return r.partOfSpeech == item.partOfSpeech; });
        if (!said)
            readings.push_back({item.partOfSpeech, item.ipa});
    }
    std::string body;
    for (const auto& word : words) {
        body += word.first;
        for (const Reading& r : word.second)
            body += '\t' + r.partOfSpeech + '\t' + r.ipa;
        body += '\n';
    }
    return WithCheckedHeader(MAGIC, words.size(), body);
}

bool CPronunciations::Load(std::FILE* file)
{
    return LoadFileBytes(*this, file, MAX_FILE_BYTES);
}

bool CPronunciations::Load(std::string bytes)
{
    m_text.clear();
    m_lines.clear();
    std::string body;
    unsigned long count = 0;
    if (bytes.size() > MAX_FILE_BYTES || !CheckedBody(bytes, MAGIC, body, count))
        return false;

    // Every line a word and whole readings, each part of speech once, every
    // field one the file may hold, the words strictly sorted (a lookup
    // halves the lines).
    std::vector<std::uint32_t> lines;
    std::string previous;
    for (std::size_t at = 0; at < body.size(); at = body.find('\n', at) + 1) {
        const std::vector<std::string> fields = FieldsAt(body, at);
        if (fields.size() < 3 || fields.size() % 2 == 0 || fields[0].empty() ||
            !std::all_of(fields.begin(), fields.end(), Holdable) || (!lines.empty() && !(previous < fields[0])))
            return false;
        for (std::size_t i = 1; i < fields.size(); i += 2)
            for (std::size_t j = 1; j < i; j += 2)
                if (fields[j] == fields[i])
                    return false;   // a part of speech said twice
        for (std::size_t i = 2; i < fields.size(); i += 2)
            if (fields[i].empty())
                return false;
        lines.push_back(static_cast<std::uint32_t>(at));
        previous = fields[0];
    }
    if (lines.size() != count)
        return false;
    m_text = std::move(body);
    m_lines = std::move(lines);
    return true;
}

std::vector<CPronunciations::Reading> CPronunciations::Of(const std::string& word) const
{
    const auto it = std::lower_bound(m_lines.begin(), m_lines.end(), word, [this](std::uint32_t at, const std::string& w) {
        return m_text.compare(at, m_text.find('\t', at) - at, w) < 0;
    });
    std::vector<Reading> readings;
    if (it == m_lines.end())
        return readings;
    const std::vector<std::string> fields = FieldsAt(m_text, *it);
    if (fields[0] != word)
        return readings;
    for (std::size_t i = 1; i + 1 < fields.size(); i += 2)
        readings.push_back({fields[i], fields[i + 1]});
    return readings;
}

std::string CPronunciations::Said(const std::string& word) const
{
    std::vector<Reading> readings = Of(word);
    if (readings.empty()) {
        std::string lower = word;
        for (char& c : lower)
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        readings = Of(lower);
    }
    // The parts of speech of each IPA, in the order the IPAs come.
    std::vector<std::pair<std::string, std::string>> byIpa;
    for (const Reading& r : readings) {
        auto same = std::find_if(byIpa.begin(), byIpa.end(), [&r](const auto& p) { return p.first == r.ipa; });
        if (same == byIpa.end())
            same = byIpa.emplace(byIpa.end(), r.ipa, std::string());
        if (!r.partOfSpeech.empty())
            same->second += (same->second.empty() ? "" : " ") + r.partOfSpeech + '.';
    }
    std::string said;
    for (const auto& [ipa, names] : byIpa) {
        if (!said.empty())
            said += ", ";
        if (byIpa.size() > 1 && !names.empty())
            said += names + ' ';
        said += '/' + ipa + '/';
    }
    return said;
}

std::vector<CPronunciations::Item> CPronunciations::Items() const
{
    std::vector<Item> items;
    for (std::uint32_t at : m_lines) {
        const std::vector<std::string> fields = FieldsAt(m_text, at);
        for (std::size_t i = 1; i + 1 < fields.size(); i += 2)
            items.push_back({fields[0], fields[i], fields[i + 1]});
    }
    return items;
}

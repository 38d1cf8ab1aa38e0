#include "tools/zetodict/Headword.h"

#include "dictionary/Dictionary.h"
#include "text/Cp1251.h"

#include <algorithm>
#include <cctype>

namespace {

} // namespace

Headword::Headword(const std::string& key) : m_strKey(key) {}

std::string Headword::Convert(const std::string& utf8)
{
    cp1251::Conversion c = cp1251::FromUtf8(utf8);
    m_nUnmapped += c.unmapped + (c.validUtf8 ? 0 : 1);
    return c.text;
}

void Headword::Add(const FreeDictEntry& entry)
{
    m_spellings.push_back(Spelling{entry.headword, Convert(entry.headword)});
    auto group = std::find_if(m_groups.begin(), m_groups.end(),
                              [&](const Group& g) { return g.partOfSpeech == entry.partOfSpeech; });
    if (group == m_groups.end()) {
        m_groups.push_back(Group{entry.partOfSpeech, {}});
        group = m_groups.end() - 1;
    }
    for (const std::string& e : entry.equivalents) {
        std::string text = Convert(e);
        if (std::find(group->equivalents.begin(), group->equivalents.end(), text) == group->equivalents.end())
            group->equivalents.push_back(text);
    }
}

void Headword::Rank(const Support& support)
{
    std::vector<int> best;
    for (Group& g : m_groups) {
        std::vector<std::pair<int, std::string>> scored;
        for (std::string& e : g.equivalents)
            scored.emplace_back(-support(e), std::move(e));
        std::stable_sort(scored.begin(), scored.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        g.equivalents.clear();
        for (auto& s : scored)
            g.equivalents.push_back(std::move(s.second));
        best.push_back(scored.empty() ? 0 : -scored.front().first);
    }
    std::vector<std::size_t> order(m_groups.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return best[a] > best[b]; });
    std::vector<Group> ranked;
    for (std::size_t i : order)
        ranked.push_back(std::move(m_groups[i]));
    m_groups = std::move(ranked);
}

// The spelling that is the index word itself, else one equal to it but for
// letter case ("Bill" and "bill"), else the first ("absent-minded" for
// "absentminded"); none without entries. "arch" wins over the prefix "arch-".
const Headword::Spelling* Headword::Chosen() const
{
    for (const Spelling& s : m_spellings) {
        if (s.utf8 == m_strKey)
            return &s;
    }
    for (const Spelling& s : m_spellings) {
        if (CDictionary::FoldWord(s.utf8) == CDictionary::FoldWord(m_strKey))
            return &s;
    }
    return m_spellings.empty() ? nullptr : &m_spellings.front();
}

std::string Headword::Word() const
{
    const Spelling* chosen = Chosen();
    return chosen ? chosen->converted : cp1251::FromUtf8(m_strKey).text;
}

std::string Headword::WordUtf8() const
{
    const Spelling* chosen = Chosen();
    return chosen ? chosen->utf8 : m_strKey;
}

std::string Headword::Translation() const
{
    std::string out;
    for (const Group& g : m_groups) {
        bool firstInGroup = true;
        for (const std::string& e : g.equivalents) {
            const char* separator = out.empty() ? "" : firstInGroup ? "; " : ", ";
            if (!firstInGroup && out.size() + 2 + e.size() > TOOLTIP_LIMIT)
                break;
            out += separator;
            out += e;
            firstInGroup = false;
        }
    }
    return out;
}

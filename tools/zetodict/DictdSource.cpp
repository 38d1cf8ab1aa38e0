#include "tools/zetodict/SourceRecord.h"

#include "tools/zetodict/DictdFile.h"
#include "tools/zetodict/FreeDictEntry.h"
#include "tools/zetodict/Headword.h"
#include "tools/zetodict/Pivots.h"

#include <bitset>
#include <fstream>
#include <unordered_map>

void RankByPivots(Headword& headword, const std::string& english, const PivotSupport& pivots)
{
    headword.Rank([&](const std::string& equivalent) {
        return static_cast<int>(std::bitset<32>(pivots.Languages(english, equivalent)).count());
    });
}

SourceResult ReadDictd(const std::string& input, std::vector<SourceRecord>& out, const PivotSupport* pivots)
{
    SourceResult result;
    std::string indexPath;
    std::string text;
    if (!ReadDictdFiles(input, &indexPath, &text, &result.error)) {
        result.ok = false;
        return result;
    }
    std::ifstream index(indexPath, std::ios::binary);
    return ParseDictd(index, indexPath, text, input, out, pivots);
}

SourceResult ParseDictd(std::istream& index, const std::string& indexPath, const std::string& text,
                        const std::string& dictPath, std::vector<SourceRecord>& out, const PivotSupport* pivots)
{
    SourceResult result;
    std::vector<DictdIndexLine> lines;
    if (!ParseDictdIndex(index, indexPath, text.size(), dictPath, lines, &result.error)) {
        result.ok = false;
        return result;
    }
    // One record per distinct index word, in the order of first appearance.
    std::vector<Headword> headwords;
    std::vector<const DictdIndexLine*> first;
    std::unordered_map<std::string, std::size_t> byKey;
    for (const DictdIndexLine& line : lines) {
        auto found = byKey.find(line.word);
        if (found == byKey.end()) {
            found = byKey.emplace(line.word, headwords.size()).first;
            headwords.emplace_back(line.word);
            first.push_back(&line);
        }
        headwords[found->second].Add(FreeDictEntry::Parse(text.substr(line.offset, line.length)));
    }

    for (std::size_t i = 0; i < headwords.size(); ++i) {
        if (pivots)
            RankByPivots(headwords[i], first[i]->word, *pivots);
        out.push_back(SourceRecord{headwords[i].Word(), headwords[i].Translation(), first[i]->where});
        result.unmapped += headwords[i].Unmapped();
    }
    return result;
}

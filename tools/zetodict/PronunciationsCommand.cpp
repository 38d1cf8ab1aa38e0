#include "tools/zetodict/Commands.h"
#include "tools/zetodict/WholeFile.h"

#include "dictionary/Pronunciations.h"
#include "tools/zetodict/DictdFile.h"
#include "tools/zetodict/FreeDictEntry.h"
#include "tools/zetodict/Headword.h"

#include <cstring>
#include <fstream>
#include <unordered_map>
#include <utility>

// zetodict pronunciations DICT -o pron.dat: how the headwords of a FreeDict
// dictd dictionary are said, each part of speech with the first IPA its
// entry gives, as the file Zeto reads beside data.dat. Each headword is
// spelled as data.dat's record for it.
int RunPronunciations(const std::vector<std::string>& args, FILE* err)
{
    std::vector<std::string> inputs;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            output = args[++i];
        else
            inputs.push_back(args[i]);
    }
    if (inputs.size() != 1 || output.empty()) {
        std::fprintf(err, "usage: zetodict pronunciations DICT.index -o pron.dat\n");
        return 2;
    }
    const std::string& input = inputs.front();
    std::string indexPath, text, error;
    std::vector<DictdIndexLine> lines;
    if (!ReadDictdFiles(input, &indexPath, &text, &error)) {
        std::fprintf(err, "zetodict pronunciations: %s\n", error.c_str());
        return 2;
    }
    std::ifstream index(indexPath, std::ios::binary);
    if (!ParseDictdIndex(index, indexPath, text.size(), input, lines, &error)) {
        std::fprintf(err, "zetodict pronunciations: %s\n", error.c_str());
        return 1;
    }
    // Each index word's entries, under the spelling data.dat names its record by.
    std::vector<std::pair<Headword, std::vector<FreeDictEntry>>> words;
    std::unordered_map<std::string, std::size_t> byKey;
    for (const DictdIndexLine& line : lines) {
        const auto found = byKey.emplace(line.word, words.size());
        if (found.second)
            words.emplace_back(Headword(line.word), std::vector<FreeDictEntry>());
        auto& word = words[found.first->second];
        word.second.push_back(FreeDictEntry::Parse(text.substr(line.offset, line.length)));
        word.first.Add(word.second.back());
    }
    std::vector<CPronunciations::Item> items;
    for (const auto& word : words)
        for (const FreeDictEntry& entry : word.second)
            if (!entry.pronunciations.empty())
                items.push_back({word.first.WordUtf8(), entry.partOfSpeech, entry.pronunciations.front()});
    const std::string file = CPronunciations::Build(items);
    CPronunciations check;
    if (!check.Load(file) || check.Count() == 0) {
        std::fprintf(err, "zetodict pronunciations: %s gives no pronunciation\n", input.c_str());
        return 1;
    }
    if (!WriteWholeFile(output, file, "pronunciations", err))
        return 2;
    std::fprintf(err, "zetodict pronunciations: %zu headwords said, of %zu entries\n", check.Count(), lines.size());
    return 0;
}

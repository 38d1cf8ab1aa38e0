#include "tools/zetodict/Commands.h"

#include "text/Cp1251.h"
#include "tools/zetodict/DictdFile.h"
#include "tools/zetodict/FreeDictEntry.h"
#include "tools/zetodict/Headword.h"
#include "tools/zetodict/Loading.h"
#include "tools/zetodict/Pivots.h"
#include "tools/zetodict/SourceRecord.h"

#include <bitset>
#include <fstream>

namespace {

// "    къща  3: deu fra nld"
void PrintEquivalent(const std::string& english, const std::string& equivalent, const PivotSupport& pivots,
                     FILE* out)
{
    const std::uint32_t languages = pivots.Languages(english, equivalent);
    std::fprintf(out, "    %s  %zu", cp1251::ToUtf8(equivalent).c_str(), std::bitset<32>(languages).count());
    const char* separator = ": ";
    for (std::size_t l = 0; l < pivots.Names().size(); ++l) {
        if (languages & (1u << l)) {
            std::fprintf(out, "%s%s", separator, pivots.Names()[l].c_str());
            separator = " ";
        }
    }
    std::fputc('\n', out);
}

} // namespace

// zetodict explain ENG-BUL.index [--pivot ENG-X X-BUL]... WORD...
// Each word's equivalents in the order data.dat gets them, each with the
// number and names of the pivot languages that support it.
int RunExplain(const std::vector<std::string>& args, FILE* out, FILE* err)
{
    std::string dictionary;
    std::vector<std::string> words;
    PivotSupport pivots;
    for (std::size_t i = 0; i < args.size(); ++i) {
        int status = 0;
        if (TakePivotOption(args, i, pivots, "explain", err, &status)) {
            if (status)
                return status;
        } else if (!args[i].empty() && args[i][0] == '-') {
            std::fprintf(err, "zetodict explain: unknown or incomplete option %s\n", args[i].c_str());
            return 2;
        } else if (dictionary.empty()) {
            dictionary = args[i];
        } else {
            words.push_back(args[i]);
        }
    }
    if (dictionary.empty() || words.empty()) {
        std::fprintf(err, "usage: zetodict explain ENG-BUL.index [--pivot ENG-X.index X-BUL.index]... WORD...\n");
        return 2;
    }

    PivotSupport::Dictionary source;
    std::string error;
    if (!source.Read(dictionary, &error)) {
        std::fprintf(err, "zetodict explain: %s\n", error.c_str());
        return error.compare(0, 7, "cannot ") == 0 ? 2 : 1;
    }
    for (const std::string& word : words) {
        Headword headword(word);
        const auto entries = source.entries.equal_range(word);
        for (auto e = entries.first; e != entries.second; ++e)
            headword.Add(FreeDictEntry::Parse(source.text.substr(e->second.offset, e->second.length)));
        RankByPivots(headword, word, pivots);
        std::fprintf(out, "%s%s\n", word.c_str(), headword.Groups().empty() ? ": not in the dictionary" : "");
        for (const Headword::Group& group : headword.Groups()) {
            std::fprintf(out, "  <%s>\n", group.partOfSpeech.c_str());
            for (const std::string& equivalent : group.equivalents)
                PrintEquivalent(word, equivalent, pivots, out);
        }
    }
    return 0;
}

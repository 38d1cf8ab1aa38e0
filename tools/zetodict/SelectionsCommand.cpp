#include "tools/zetodict/Commands.h"

#include "dictionary/FormLookup.h"
#include "dictionary/LookupFolding.h"
#include "text/Cp1251.h"
#include "tools/zetodict/JudgedSet.h"
#include "tools/zetodict/Loading.h"

#include <map>

namespace {

struct Selection {
    std::string text;       // UTF-8, as selected
    std::string expected;   // Windows-1251 entry, or "-": nothing but the selection itself
    std::string kind;
};

bool ReadSet(const std::string& path, std::vector<Selection>& set, std::string* error)
{
    std::vector<std::vector<std::string>> rows;
    if (!ReadJudgedSet(path, 3, "selection<TAB>expected<TAB>kind", rows, error))
        return false;
    for (const std::vector<std::string>& row : rows)
        set.push_back(Selection{row[0], cp1251::FromUtf8(row[1]).text, row[2]});
    return true;
}

} // namespace

// zetodict selections [--misses] SET.tsv FILE.dat...: answers each selection
// of the set as Zeto does with Find Base Forms and prints, per kind and in
// all, the share that shows the entry expected, and how many show a phrase
// other than the one expected.
int RunSelections(const std::vector<std::string>& args, FILE* out, FILE* err)
{
    bool listMisses = false;
    std::vector<std::string> paths;
    for (const std::string& a : args) {
        if (a == "--misses")
            listMisses = true;
        else
            paths.push_back(a);
    }
    if (paths.size() < 2) {
        std::fprintf(err, "usage: zetodict selections [--misses] SET.tsv FILE.dat [FILE.dat...]\n");
        return 2;
    }
    std::vector<Selection> set;
    std::string error;
    if (!ReadSet(paths[0], set, &error)) {
        std::fprintf(err, "zetodict selections: %s\n", error.c_str());
        return error.compare(0, 7, "cannot ") == 0 ? 2 : 1;
    }
    paths.erase(paths.begin());
    CDictionary dict;
    CFormLookup lookup(dict);
    if (!LoadForLookup(paths, lookup, dict, true, "selections", err))
        return 2;

    std::map<std::string, std::pair<long, long>> byKind;   // right, all
    long right = 0;
    long wrongPhrases = 0;
    for (const Selection& s : set) {
        const std::string key = lookupfold::ForLookupFromUtf8(s.text);
        const CFormLookup::Answer answer = lookup.Lookup(key.c_str(), true);
        const bool hit = answer.text != CDictionary::MSG_NOT_FOUND && answer.text != CDictionary::MSG_EMPTY_QUERY;
        const std::string itself = CDictionary::TrimNonLetters(key.c_str());
        // The entry shown first: the one named, else the selection itself.
        const std::string shown = !answer.form.empty() ? answer.form : hit ? itself : std::string();
        const bool ok = s.expected == "-" ? shown.empty() || CDictionary::FoldWord(shown) == CDictionary::FoldWord(itself)
                                          : CDictionary::FoldWord(shown) == CDictionary::FoldWord(s.expected);
        const bool wrongPhrase = !ok && shown.find(' ') != std::string::npos;
        right += ok;
        wrongPhrases += wrongPhrase;
        auto& kind = byKind[s.kind];
        kind.first += ok;
        ++kind.second;
        if (listMisses && !ok)
            std::fprintf(out, "%s %s -> %s: %s\n", wrongPhrase ? "PHRASE" : "miss  ", s.text.c_str(),
                         cp1251::ToUtf8(s.expected).c_str(), cp1251::ToUtf8(answer.text).c_str());
    }
    const auto percent = [](long part, long whole) { return whole ? 100.0 * part / whole : 0.0; };
    for (const auto& kind : byKind)
        std::fprintf(out, "%s: %ld of %ld\n", kind.first.c_str(), kind.second.first, kind.second.second);
    std::fprintf(out, "selections: %zu\nentry meant: %ld (%.1f%%)\nanother phrase: %ld (%.1f%%)\n", set.size(), right,
                 percent(right, static_cast<long>(set.size())), wrongPhrases,
                 percent(wrongPhrases, static_cast<long>(set.size())));
    return 0;
}

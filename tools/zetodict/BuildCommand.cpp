#include "tools/zetodict/Commands.h"

#include "tools/zetodict/DatFile.h"
#include "tools/zetodict/SourceRecord.h"

#include <set>

namespace {

std::string Folded(std::string word)
{
    for (char& c : word)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return word;
}

// A supplement only fills gaps: a word the main sources already have, or
// one it holds twice, would be a second entry for the same word, and the
// lookup would show only one of them. So either is refused, naming its line.
bool AddSupplement(const std::string& path, std::vector<SourceRecord>& records, SourceResult* result)
{
    std::set<std::string> known;
    for (const SourceRecord& r : records)
        known.insert(Folded(r.word));
    std::vector<SourceRecord> supplement;
    *result = ReadTsv(path, supplement);
    if (!result->ok)
        return false;
    for (SourceRecord& r : supplement) {
        if (!known.insert(Folded(r.word)).second) {
            result->ok = false;
            result->error = r.where + ": the supplement's word \"" + r.word
                + "\" is already in the dictionary; a supplement adds only missing words";
            return false;
        }
        records.push_back(std::move(r));
    }
    return true;
}

} // namespace

// zetodict build --from tsv|dictd INPUT… [--supplement FILE.tsv] -o FILE.dat
// The supplement's records follow the inputs' ones.
int RunBuild(const std::vector<std::string>& args, FILE* err)
{
    std::string from;
    std::string output;
    std::string supplement;
    std::vector<std::string> inputs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--from" || args[i] == "-o" || args[i] == "--supplement") && i + 1 < args.size()) {
            (args[i] == "-o" ? output : args[i] == "--from" ? from : supplement) = args[i + 1];
            ++i;
        } else if (!args[i].empty() && args[i][0] == '-') {
            std::fprintf(err, "zetodict build: unknown or incomplete option %s\n", args[i].c_str());
            return 2;
        } else {
            inputs.push_back(args[i]);
        }
    }
    if ((from != "tsv" && from != "dictd") || inputs.empty() || output.empty()) {
        std::fprintf(err, "usage: zetodict build --from tsv|dictd INPUT... [--supplement FILE.tsv] -o FILE.dat\n");
        return 2;
    }

    std::vector<SourceRecord> records;
    std::size_t unmapped = 0;
    for (const std::string& input : inputs) {
        SourceResult r = from == "tsv" ? ReadTsv(input, records) : ReadDictd(input, records);
        if (!r.ok) {
            std::fprintf(err, "zetodict build: %s\n", r.error.c_str());
            return r.error.compare(0, 7, "cannot ") == 0 ? 2 : 1;
        }
        unmapped += r.unmapped;
    }
    if (!supplement.empty()) {
        SourceResult r;
        if (!AddSupplement(supplement, records, &r)) {
            std::fprintf(err, "zetodict build: %s\n", r.error.c_str());
            return r.error.compare(0, 7, "cannot ") == 0 ? 2 : 1;
        }
        unmapped += r.unmapped;
    }
    std::string error;
    if (!WriteDat(records, output, &error)) {
        std::fprintf(err, "zetodict build: %s\n", error.c_str());
        return error.compare(0, 7, "cannot ") == 0 ? 2 : 1;
    }
    if (unmapped > 0) {
        std::fprintf(err, "zetodict build: warning: %zu character%s without a Windows-1251 form written as '?'\n",
                     unmapped, unmapped == 1 ? "" : "s");
    }
    return 0;
}

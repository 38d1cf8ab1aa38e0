#include "tools/zetodict/Commands.h"

#include "tools/zetodict/DatFile.h"
#include "tools/zetodict/Loading.h"
#include "tools/zetodict/Pivots.h"
#include "tools/zetodict/SourceRecord.h"

#include <map>
#include <set>

namespace {

// A supplement fills gaps: its words the main sources lack follow their
// records. For a word they have, its translation goes in front of theirs, in
// their one record (two records for one word would show only one of them,
// which one depending on the search's direction): the common reading of a
// word whose entry leads with a rare one. A word the supplement holds twice
// is refused, naming its line.
bool AddSupplement(const std::string& path, std::vector<SourceRecord>& records, SourceResult* result)
{
    std::map<std::string, std::size_t> known;
    for (std::size_t i = 0; i < records.size(); ++i)
        known.emplace(CDictionary::FoldWord(records[i].word), i);
    std::vector<SourceRecord> supplement;
    *result = ReadTsv(path, supplement);
    if (!result->ok)
        return false;
    std::set<std::string> seen;
    for (SourceRecord& r : supplement) {
        if (!seen.insert(CDictionary::FoldWord(r.word)).second) {
            result->ok = false;
            result->error = r.where + ": the supplement holds the word \"" + r.word + "\" twice";
            return false;
        }
        const auto found = known.find(CDictionary::FoldWord(r.word));
        if (found == known.end()) {
            records.push_back(std::move(r));
        } else {
            std::string& theirs = records[found->second].translation;
            theirs = theirs.empty() ? r.translation : r.translation + "; " + theirs;
        }
    }
    return true;
}

} // namespace

// zetodict build --from tsv|dictd INPUT… [--pivot ENG-X X-BUL]… [--supplement FILE.tsv] -o FILE.dat
// The supplement's records follow the inputs' ones.
int RunBuild(const std::vector<std::string>& args, FILE* err)
{
    std::string from;
    std::string output;
    std::string supplement;
    std::vector<std::string> inputs;
    PivotSupport pivots;
    for (std::size_t i = 0; i < args.size(); ++i) {
        int status = 0;
        if (TakePivotOption(args, i, pivots, "build", err, &status)) {
            if (status)
                return status;
        } else if ((args[i] == "--from" || args[i] == "-o" || args[i] == "--supplement") && i + 1 < args.size()) {
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
        std::fprintf(err, "usage: zetodict build --from tsv|dictd INPUT... [--pivot ENG-X.index X-BUL.index]... "
                          "[--supplement FILE.tsv] -o FILE.dat\n");
        return 2;
    }

    std::vector<SourceRecord> records;
    std::size_t unmapped = 0;
    for (const std::string& input : inputs) {
        SourceResult r = from == "tsv" ? ReadTsv(input, records) : ReadDictd(input, records, pivots.Empty() ? nullptr : &pivots);
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

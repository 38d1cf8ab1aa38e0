#include "tools/zetodict/Commands.h"

#include "tools/zetodict/DatFile.h"
#include "tools/zetodict/SourceRecord.h"

// zetodict build --from tsv|dictd INPUT… -o FILE.dat
int RunBuild(const std::vector<std::string>& args, FILE* err)
{
    std::string from;
    std::string output;
    std::vector<std::string> inputs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--from" || args[i] == "-o") && i + 1 < args.size()) {
            (args[i] == "-o" ? output : from) = args[i + 1];
            ++i;
        } else if (!args[i].empty() && args[i][0] == '-') {
            std::fprintf(err, "zetodict build: unknown or incomplete option %s\n", args[i].c_str());
            return 2;
        } else {
            inputs.push_back(args[i]);
        }
    }
    if ((from != "tsv" && from != "dictd") || inputs.empty() || output.empty()) {
        std::fprintf(err, "usage: zetodict build --from tsv|dictd INPUT... -o FILE.dat\n");
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

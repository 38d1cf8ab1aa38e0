#include "tools/zetodict/Commands.h"

#include "text/Cp1251.h"
#include "tools/zetodict/DatFile.h"
#include "tools/zetodict/Escape.h"

#include <cerrno>
#include <cstring>

namespace {

// The loader of the program ends a text at a NUL (a stored FF byte); say so,
// since such a file cannot come back byte for byte from the dump.
bool ReportNul(const char* path, const DatScanner::Record& r, const std::string& text, const char* name, FILE* err)
{
    const std::size_t nul = text.find('\0');
    if (nul == std::string::npos)
        return false;
    std::fprintf(err, "zetodict dump: %s: the record at byte %lld: its %s holds a stored FF byte (a NUL) after %zu "
                 "bytes; Zeto reads the %s only up to there, and so does this dump\n",
                 path, r.offset, name, nul, name);
    return true;
}

} // namespace

// zetodict dump FILE.dat: the records as UTF-8 TSV on standard output.
int RunDump(const std::vector<std::string>& args, FILE* out, FILE* err)
{
    if (args.size() != 1) {
        std::fprintf(err, "usage: zetodict dump FILE.dat\n");
        return 2;
    }
    const char* path = args[0].c_str();
    FILE* file = std::fopen(path, "rb");
    if (!file) {
        std::fprintf(err, "zetodict dump: cannot open %s: %s\n", path, std::strerror(errno));
        return 2;
    }
    DatScanner scanner(file);
    DatScanner::Record record;
    int status = 0;
    long long count = 0;
    while (scanner.Next(&record)) {
        ++count;
        // Both reported, whichever has a NUL.
        const bool nulInWord = ReportNul(path, record, record.word, "word", err);
        const bool nulInTranslation = ReportNul(path, record, record.translation, "translation", err);
        if (nulInWord || nulInTranslation)
            status = 1;
        const std::string word = escape::TsvField(cp1251::ToUtf8(record.word.c_str()));
        const std::string translation = escape::TsvField(cp1251::ToUtf8(record.translation.c_str()));
        std::fprintf(out, "%s\t%s\n", word.c_str(), translation.c_str());
    }
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (readError) {
        std::fprintf(err, "zetodict dump: cannot read %s after byte %lld\n", path, scanner.Offset());
        return 2;
    }
    if (!scanner.Problem().empty()) {
        std::fprintf(err, "zetodict dump: %s: %s; %lld whole record%s before it%s\n", path,
                     scanner.Problem().c_str(), count, count == 1 ? "" : "s",
                     count == 0 ? " (is this a dictionary file?)" : "");
        return 1;
    }
    return status;
}

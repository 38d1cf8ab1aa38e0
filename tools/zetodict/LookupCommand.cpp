#include "tools/zetodict/Commands.h"

#include "dictionary/Dictionary.h"
#include "dictionary/Cp1251.h"
#include "tools/zetodict/Escape.h"

#include <cerrno>
#include <cstring>

namespace {

// One line of standard input without its LF or CRLF; false at the end.
bool ReadLine(FILE* in, std::string* line)
{
    line->clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(in)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        *line += static_cast<char>(c);
    }
    if (!line->empty() && line->back() == '\r')
        line->pop_back();
    return any;
}

std::string JsonLine(const std::string& query, const char* result, const CDictionary& dict)
{
    std::string json = "{\"query\": " + escape::JsonString(cp1251::ToUtf8(query))
        + ", \"result\": " + escape::JsonString(cp1251::ToUtf8(result)) + ", \"neighbours\": [";
    for (int i = 0; i < 10; ++i) {
        if (i)
            json += ", ";
        json += escape::JsonString(cp1251::ToUtf8(dict.m_strNeighbours[i]));
    }
    return json + "]}\n";
}

} // namespace

// zetodict lookup FILE [FILE…]: loads the files in order into one dictionary,
// as Zeto loads data.dat and then NewData.dat, and answers the queries on
// standard input one by one, so the neighbours carry over between them.
int RunLookup(const std::vector<std::string>& args, FILE* in, FILE* out, FILE* err)
{
    if (args.empty()) {
        std::fprintf(err, "usage: zetodict lookup FILE.dat [FILE.dat...] < queries\n");
        return 2;
    }
    CDictionary dict;
    for (const std::string& path : args) {
        FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) {
            std::fprintf(err, "zetodict lookup: cannot open %s: %s\n", path.c_str(), std::strerror(errno));
            return 2;
        }
        dict.LoadFile(file);
        const bool readError = std::ferror(file) != 0;
        std::fclose(file);
        if (readError) {
            std::fprintf(err, "zetodict lookup: cannot read %s\n", path.c_str());
            return 2;
        }
        if (dict.GetTruncatedOffset() >= 0) {
            std::fprintf(err, "zetodict lookup: warning: %s: the record at byte %lld is cut short by the end of "
                         "the file and left out, as Zeto does\n", path.c_str(), dict.GetTruncatedOffset());
        }
    }

    std::string line;
    long lineNo = 0;
    while (ReadLine(in, &line)) {
        ++lineNo;
        const cp1251::Conversion query = cp1251::FromUtf8(line);
        if (!query.validUtf8 || query.unmapped > 0 || query.text.find('\0') != std::string::npos) {
            std::fprintf(err, "zetodict lookup: query line %ld %s\n", lineNo,
                         !query.validUtf8 ? "is not valid UTF-8"
                         : query.unmapped > 0 ? "has characters without a Windows-1251 form"
                                              : "holds a NUL character");
            return 2;
        }
        const char* result = dict.Lookup(query.text.c_str());
        const std::string json = JsonLine(query.text, result, dict);
        std::fwrite(json.data(), 1, json.size(), out);
    }
    std::fflush(out);
    return 0;
}

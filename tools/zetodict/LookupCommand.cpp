#include "tools/zetodict/Commands.h"

#include "dictionary/FormLookup.h"
#include "dictionary/LookupFolding.h"
#include "text/Cp1251.h"
#include "tools/zetodict/Escape.h"
#include "tools/zetodict/Loading.h"

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

// form: the base form shown, "" for none; null: the plain lookup, no field.
std::string JsonLine(const std::string& query, const std::string& result, const std::string* form, const CDictionary& dict)
{
    std::string json = "{\"query\": " + escape::JsonString(cp1251::ToUtf8(query))
        + ", \"result\": " + escape::JsonString(cp1251::ToUtf8(result));
    if (form)
        json += ", \"form\": " + (form->empty() ? std::string("null") : escape::JsonString(cp1251::ToUtf8(*form)));
    json += ", \"neighbours\": [";
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
// With --forms it answers as Zeto's display does with "Find Base Forms" on,
// and says in "form" which base form it showed.
int RunLookup(const std::vector<std::string>& args, FILE* in, FILE* out, FILE* err)
{
    std::vector<std::string> paths = args;
    const bool withForms = !paths.empty() && paths[0] == "--forms";
    if (withForms)
        paths.erase(paths.begin());
    if (paths.empty()) {
        std::fprintf(err, "usage: zetodict lookup [--forms] FILE.dat [FILE.dat...] < queries\n");
        return 2;
    }
    CDictionary dict;
    CFormLookup lookup(dict);
    if (!LoadForLookup(paths, lookup, dict, withForms, "lookup", err))
        return 2;

    std::string line;
    long lineNo = 0;
    while (ReadLine(in, &line)) {
        ++lineNo;
        // With base forms a query is read as Zeto reads a Unicode selection,
        // folded; without, it must be Windows-1251 as it is.
        cp1251::Conversion query = cp1251::FromUtf8(line);
        if (withForms && query.validUtf8)
            query.text = lookupfold::ForLookupFromUtf8(line), query.unmapped = 0;
        if (!query.validUtf8 || query.unmapped > 0 || query.text.find('\0') != std::string::npos) {
            std::fprintf(err, "zetodict lookup: query line %ld %s\n", lineNo,
                         !query.validUtf8 ? "is not valid UTF-8"
                         : query.unmapped > 0 ? "has characters without a Windows-1251 form"
                                              : "holds a NUL character");
            return 2;
        }
        const CFormLookup::Answer answer = lookup.Lookup(query.text.c_str(), withForms);
        const std::string json = JsonLine(query.text, answer.text, withForms ? &answer.form : nullptr, dict);
        std::fwrite(json.data(), 1, json.size(), out);
    }
    std::fflush(out);
    return 0;
}

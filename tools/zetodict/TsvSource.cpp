#include "tools/zetodict/SourceRecord.h"

#include "text/Cp1251.h"
#include "tools/zetodict/Escape.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

bool ConvertField(const std::string& field, const char* name, std::string* text, SourceResult& result)
{
    std::string plain;
    std::string error;
    if (!escape::UnescapeTsvField(field, &plain, &error)) {
        result.error = std::string("the ") + name + " has " + error;
        return false;
    }
    cp1251::Conversion c = cp1251::FromUtf8(plain);
    if (!c.validUtf8) {
        result.error = std::string("the ") + name + " is not valid UTF-8";
        return false;
    }
    if (c.text.find('\0') != std::string::npos) {
        result.error = std::string("the ") + name + " holds a NUL character, which a dictionary text cannot hold";
        return false;
    }
    result.unmapped += c.unmapped;
    *text = std::move(c.text);
    return true;
}

} // namespace

SourceResult ReadTsv(const std::string& path, std::vector<SourceRecord>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SourceResult result;
        result.ok = false;
        result.error = "cannot open " + path + ": " + std::strerror(errno);
        return result;
    }
    return ParseTsv(in, path, out);
}

SourceResult ParseTsv(std::istream& in, const std::string& path, std::vector<SourceRecord>& out)
{
    SourceResult result;
    std::string line;
    long lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (lineNo == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0)
            line.erase(0, 3);   // a byte-order mark some editors write
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const std::string where = path + " line " + std::to_string(lineNo);
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || line.find('\t', tab + 1) != std::string::npos) {
            result.ok = false;
            result.error = where + ": expected word<TAB>translation with exactly one tab"
                " (write \\t for a tab inside a text)";
            return result;
        }
        SourceRecord record;
        record.where = where;
        if (!ConvertField(line.substr(0, tab), "word", &record.word, result)
            || !ConvertField(line.substr(tab + 1), "translation", &record.translation, result)) {
            result.ok = false;
            result.error = where + ": " + result.error;
            return result;
        }
        out.push_back(std::move(record));
    }
    if (in.bad()) {
        result.ok = false;
        result.error = "cannot read " + path;
    }
    return result;
}

#include "tools/zetodict/JudgedSet.h"

#include <cerrno>
#include <cstring>
#include <fstream>

bool ReadJudgedSet(const std::string& path, std::size_t fields, const char* format,
                   std::vector<std::vector<std::string>>& rows, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    std::string line;
    long lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> row;
        std::size_t start = 0;
        while (row.size() + 1 < fields) {
            const std::size_t tab = line.find('\t', start);
            if (tab == std::string::npos)
                break;
            row.push_back(line.substr(start, tab - start));
            start = tab + 1;
        }
        row.push_back(line.substr(start));
        for (const std::string& field : row) {
            if (row.size() != fields || field.empty()) {
                *error = path + " line " + std::to_string(lineNo) + ": expected " + format;
                return false;
            }
        }
        rows.push_back(std::move(row));
    }
    return true;
}

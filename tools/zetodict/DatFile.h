#pragma once

#include "tools/zetodict/SourceRecord.h"

#include <cstdio>
#include <string>
#include <vector>

// Writes the records to path through the program's own CDictionary::
// WriteRecord. Every text is checked against the format's 65535-byte limit
// first, and the file is written beside its target and renamed into place,
// so a refused input leaves an existing file untouched.
bool WriteDat(const std::vector<SourceRecord>& records, const std::string& path, std::string* error);

// What WriteDat checks before it writes: every text within 65535 bytes and
// free of NUL characters. False with *error naming the record otherwise.
bool CheckDatRecords(const std::vector<SourceRecord>& records, std::string* error);

// Reads a .dat file record by record with the byte offset of each, for
// checking and dumping. Unlike the program's loader it keeps every byte of
// a text, so it can tell what the loader would cut.
class DatScanner {
public:
    struct Record {
        long long offset = 0;
        std::string word;          // Windows-1251, as stored (decoded)
        std::string translation;
    };

    explicit DatScanner(FILE* file) : m_file(file) {}

    // False at the end of the file or at a record cut short; Problem() then
    // says which.
    bool Next(Record* record);
    const std::string& Problem() const { return m_problem; }
    long long Offset() const { return m_offset; }

private:
    bool ReadText(const char* name, long long recordStart, std::string* text);

    FILE* m_file;
    long long m_offset = 0;
    std::string m_problem;
};

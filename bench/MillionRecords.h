#pragma once

#include <string>

// A dictionary file of a million made-up records, written once per run into
// the temporary directory and removed at exit. Words are 3 to 14 letters
// from 'a' to 'y'; translations 8 to 40 Windows-1251 Cyrillic bytes.
class MillionRecords {
public:
    static const int COUNT = 1000000;

    static const MillionRecords& Get();

    const std::string& Path() const { return m_path; }
    // A word that no record holds but that shares its length and first
    // letter with many: every lookup of it scans the whole list.
    const std::string& MissingWord() const { return m_missing; }

    ~MillionRecords();

private:
    MillionRecords();

    std::string m_path;
    std::string m_missing;
};

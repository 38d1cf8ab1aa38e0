#include "tools/zetodict/DatFile.h"

#include "dictionary/Dictionary.h"

#include <cerrno>
#include <cstring>

namespace {

const std::size_t MAX_TEXT = 65535;

std::string TooLong(const SourceRecord& r, const char* name, std::size_t size)
{
    return r.where + ": the " + name + " is " + std::to_string(size)
        + " bytes long in Windows-1251; a dictionary text holds at most 65535";
}

std::string HoldsNul(const SourceRecord& r, const char* name)
{
    return r.where + ": the " + name + " holds a NUL character, which a dictionary text cannot hold";
}

} // namespace

bool CheckDatRecords(const std::vector<SourceRecord>& records, std::string* error)
{
    for (const SourceRecord& r : records) {
        if (r.word.size() > MAX_TEXT) {
            *error = TooLong(r, "word", r.word.size());
            return false;
        }
        if (r.translation.size() > MAX_TEXT) {
            *error = TooLong(r, "translation", r.translation.size());
            return false;
        }
        // The record would keep the bytes, but every reader stops at the NUL.
        if (r.word.find('\0') != std::string::npos) {
            *error = HoldsNul(r, "word");
            return false;
        }
        if (r.translation.find('\0') != std::string::npos) {
            *error = HoldsNul(r, "translation");
            return false;
        }
    }
    return true;
}

bool WriteDat(const std::vector<SourceRecord>& records, const std::string& path, std::string* error)
{
    if (!CheckDatRecords(records, error))
        return false;

    const std::string temp = path + ".part";
    FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) {
        *error = "cannot create " + temp + ": " + std::strerror(errno);
        return false;
    }
    CDictionary dictionary;
    for (const SourceRecord& r : records)
        dictionary.WriteRecord(WordPair(r.word.c_str(), r.translation.c_str()), file);
    const bool written = !std::ferror(file);
    if (std::fclose(file) != 0 || !written) {
        *error = "cannot write " + temp + ": " + std::strerror(errno);
        std::remove(temp.c_str());
        return false;
    }
    std::remove(path.c_str());   // rename does not replace a file on Windows
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        *error = "cannot rename " + temp + " to " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool DatScanner::ReadText(const char* name, long long recordStart, std::string* text)
{
    unsigned char length[2];
    const std::size_t got = std::fread(length, 1, 2, m_file);
    m_offset += static_cast<long long>(got);
    if (got < 2) {
        m_problem = "the record at byte " + std::to_string(recordStart) + " is cut short: the file ends inside the "
            + name + "'s length at byte " + std::to_string(m_offset);
        return false;
    }
    const std::size_t size = length[0] | (length[1] << 8);
    text->assign(size, '\0');
    const std::size_t read = size ? std::fread(&(*text)[0], 1, size, m_file) : 0;
    m_offset += static_cast<long long>(read);
    if (read < size) {
        m_problem = "the record at byte " + std::to_string(recordStart) + " is cut short: its " + name + " needs "
            + std::to_string(size) + " bytes, the file ends after " + std::to_string(read);
        return false;
    }
    for (char& c : *text)
        c = static_cast<char>(~static_cast<unsigned char>(c));
    return true;
}

bool DatScanner::Next(Record* record)
{
    m_problem.clear();
    record->offset = m_offset;
    const int c = std::fgetc(m_file);
    if (c == EOF)
        return false;   // a clean end between records
    std::ungetc(c, m_file);
    return ReadText("word", record->offset, &record->word)
        && ReadText("translation", record->offset, &record->translation);
}

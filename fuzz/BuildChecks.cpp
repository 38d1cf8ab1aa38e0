#include "fuzz/BuildChecks.h"

#include "dictionary/Dictionary.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/MemoryFile.h"
#include "text/Cp1251.h"
#include "tools/zetodict/DatFile.h"
#include "tools/zetodict/Escape.h"

#include <sstream>

namespace {

void CheckDatRoundTrip(const std::vector<SourceRecord>& records)
{
    MemoryWriter writer;
    CDictionary written;
    for (const SourceRecord& r : records)
        written.WriteRecord(WordPair(r.word.c_str(), r.translation.c_str()), writer.File());
    const std::string bytes = writer.Close();

    CDictionary loaded;
    FILE* file = OpenForReading(bytes);
    FUZZ_CHECK(file != nullptr, "the written bytes open as a stream");
    loaded.LoadFile(file);
    std::fclose(file);
    FUZZ_CHECK(loaded.GetTruncatedOffset() == -1, "the written file ends after a whole record");
    FUZZ_CHECK(loaded.m_nCount == static_cast<int>(records.size()), "one entry per record");
    std::size_t i = 0;
    for (const CDictionary::Entry* e = loaded.GetHead(); e; e = e->pNext, ++i) {
        FUZZ_CHECK(records[i].word == e->pair.GetWord(), "the word survives the .dat file");
        FUZZ_CHECK(records[i].translation == e->pair.GetTranslation(), "the translation survives the .dat file");
    }
}

void CheckDumpRoundTrip(const std::vector<SourceRecord>& records)
{
    std::string tsv;
    for (const SourceRecord& r : records) {
        tsv += escape::TsvField(cp1251::ToUtf8(r.word)) + "\t" + escape::TsvField(cp1251::ToUtf8(r.translation))
            + "\n";
    }
    std::istringstream in(tsv);
    std::vector<SourceRecord> again;
    const SourceResult result = ParseTsv(in, "dump.tsv", again);
    FUZZ_CHECK(result.ok, "zetodict dump's output builds again");
    FUZZ_CHECK(result.unmapped == 0, "every byte of a dump has a Windows-1251 form");
    FUZZ_CHECK(again.size() == records.size(), "one record per dumped line");
    for (std::size_t i = 0; i < records.size(); ++i) {
        FUZZ_CHECK(again[i].word == records[i].word, "the word survives dump and build");
        FUZZ_CHECK(again[i].translation == records[i].translation, "the translation survives dump and build");
    }
}

} // namespace

void CheckRefusal(const SourceResult& result)
{
    FUZZ_CHECK(!result.error.empty(), "a refusal says why");
    FUZZ_CHECK(result.error.find("line ") != std::string::npos, "a refusal names the line");
}

void CheckRecordsSurvive(const std::vector<SourceRecord>& records)
{
    std::string error;
    if (!CheckDatRecords(records, &error)) {
        // Refused before anything is written: the message must name the record.
        FUZZ_CHECK(error.find("line ") != std::string::npos, "a refused record is named");
        return;
    }
    CheckDatRoundTrip(records);
    CheckDumpRoundTrip(records);
}

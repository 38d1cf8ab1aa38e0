// History.dat's reader on arbitrary bytes: it never fails, keeps within its
// bounds, and what it read, compacted and read again, gives the same rows;
// the good bytes alone read the same, and a record appended after them is
// read too (how Zeto appends after a torn tail).
#include "fuzz/FuzzCheck.h"
#include "notebook/History.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace notebook;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const HistoryRead read = ReadHistory(bytes);
    FUZZ_CHECK(read.goodBytes <= bytes.size(), "the good bytes are in the file");
    FUZZ_CHECK(read.history.Size() <= MAX_WORDS, "never more words than the bound");
    FUZZ_CHECK(!read.damaged || read.goodBytes < bytes.size(), "damage lies after the good bytes");

    const std::vector<Row> rows = read.history.Rows();
    for (const Row& row : rows) {
        FUZZ_CHECK(!row.word.empty() && row.word.size() <= MAX_WORD_BYTES, "words are bounded");
        FUZZ_CHECK(row.translation.size() <= MAX_FIELD_BYTES && row.application.size() <= MAX_FIELD_BYTES
                       && row.entry.size() <= MAX_FIELD_BYTES && row.pronunciation.size() <= MAX_FIELD_BYTES,
                   "fields are bounded");
        FUZZ_CHECK(row.count >= 1 && row.firstSeen <= row.lastSeen, "rows are whole");
    }

    const HistoryRead good = ReadHistory(bytes.substr(0, read.goodBytes));
    FUZZ_CHECK(!good.damaged && good.goodBytes == read.goodBytes && good.history.Rows() == rows,
               "the good bytes alone read the same");

    const HistoryRead again = ReadHistory(read.history.Compact(MAX_WORDS));
    FUZZ_CHECK(!again.damaged && again.history.Rows() == rows, "compacted rows read back the same");

    if (!read.damaged && read.history.Size() < MAX_WORDS) {
        const std::string appended = bytes.substr(0, read.goodBytes) + EncodeLookup(1, "appended", "", "", "", "");
        const HistoryRead more = ReadHistory(appended);
        FUZZ_CHECK(!more.damaged && more.goodBytes == appended.size() && more.history.Find("appended"),
                   "a record appended after the good bytes is read");
    }
    return 0;
}

// zetodict build --from tsv on arbitrary bytes: either a clear refusal that
// names the line, or records that reach the dictionary file whole.
#include "fuzz/BuildChecks.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<SourceRecord> records;
    const SourceResult result = ParseTsv(in, "input.tsv", records);
    if (!result.ok)
        CheckRefusal(result);
    else
        CheckRecordsSurvive(records);
    return 0;
}

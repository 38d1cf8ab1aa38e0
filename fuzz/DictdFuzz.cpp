// zetodict build --from dictd on arbitrary input: either a clear refusal that
// names the index line, or records that reach the dictionary file whole.
//
// Input: the .index text, a NUL, then the .dict text (which may hold NULs).
#include "fuzz/BuildChecks.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    std::istringstream index(input.substr(0, split));
    const std::string text = split == std::string::npos ? std::string() : input.substr(split + 1);
    std::vector<SourceRecord> records;
    const SourceResult result = ParseDictd(index, "input.index", text, "input.dict", records);
    if (!result.ok)
        CheckRefusal(result);
    else
        CheckRecordsSurvive(records);
    return 0;
}

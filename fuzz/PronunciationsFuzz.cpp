// pron.dat's reader on arbitrary bytes: it refuses or accepts them without
// harm, and what it accepts is what the builder would write for the same
// items, each found again by its word and said with each of its readings.
#include "dictionary/Pronunciations.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPronunciations file;
    if (!file.Load(std::string(reinterpret_cast<const char*>(data), size))) {
        FUZZ_CHECK(file.Count() == 0, "a refused file leaves nothing loaded");
        return 0;
    }
    const auto items = file.Items();
    CPronunciations again;
    FUZZ_CHECK(again.Load(CPronunciations::Build(items)), "the builder's file for the items read is accepted");
    FUZZ_CHECK(again.Count() == file.Count(), "as many words");
    for (const auto& item : items) {
        bool found = false;
        for (const auto& reading : file.Of(item.word))
            found = found || (reading.partOfSpeech == item.partOfSpeech && reading.ipa == item.ipa);
        FUZZ_CHECK(found, "every item is found by its word");
        const std::string said = file.Said(item.word);
        FUZZ_CHECK(said.find('/' + item.ipa + '/') != std::string::npos, "what is said holds each reading");
    }
    return 0;
}

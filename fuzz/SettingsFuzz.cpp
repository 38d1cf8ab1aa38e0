// Zeto.ini's reader on arbitrary bytes: it never fails, a file it accepts
// holds only clean keys and values, and what it accepts, written again,
// reads back to the same values; the settings it gives, written and read
// again, are the same settings.
#include "fuzz/FuzzCheck.h"
#include "settings/Settings.h"
#include "settings/SettingsText.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const settings::SettingsText text = settings::ParseSettings(bytes);
    FUZZ_CHECK(size <= settings::MAX_FILE_BYTES || text.values.empty(), "a huge file gives no values");
    FUZZ_CHECK(!text.damaged || !bytes.empty(), "an empty file is no damage");
    FUZZ_CHECK(size <= settings::MAX_FILE_BYTES || text.damaged, "a huge file is damaged");

    std::vector<std::pair<std::string, std::string>> values(text.values.begin(), text.values.end());
    for (const auto& [key, value] : values) {
        FUZZ_CHECK(!key.empty() && key.find_first_of("= \t\r\n") == std::string::npos, "keys are clean");
        FUZZ_CHECK(value.find_first_of(std::string("\r\n\0", 3)) == std::string::npos, "values hold no line ends");
        int n = 0;
        if (settings::ReadInt(text, key, -1000, 1000, n))
            FUZZ_CHECK(n >= -1000 && n <= 1000 && std::to_string(n).size() <= value.size(), "numbers are in range");
    }
    const settings::SettingsText again = settings::ParseSettings(settings::FormatSettings(values));
    FUZZ_CHECK(!again.damaged && again.values == text.values, "what was read is written back the same");

    std::vector<std::string> rejected;
    const std::string written = settings::WriteSettings(settings::ReadSettings(text, rejected));
    std::vector<std::string> none;
    const std::string rewritten = settings::WriteSettings(settings::ReadSettings(settings::ParseSettings(written), none));
    FUZZ_CHECK(none.empty() && rewritten == written, "the settings read are written and read back the same");
    return 0;
}

// Zeto.ini as text: "Key=Value" lines under a "[Zeto]" header. The reader
// is defensive, since anything may have been written into the file: a file
// that is not such lines (binary bytes, NULs, an endless line, a huge file)
// is damaged as a whole; a known key whose value makes no sense costs only
// that value; unknown keys are ignored.
#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace settings {

constexpr std::size_t MAX_FILE_BYTES = 64 * 1024;   // a bigger file is not ours
constexpr std::size_t MAX_LINE_BYTES = 1024;
constexpr const char* SECTION = "Zeto";

struct SettingsText {
    bool damaged = false;
    std::map<std::string, std::string> values;   // the last one of a key wins
};

// Reads the file's bytes. A damaged file gives no values at all.
SettingsText ParseSettings(const std::string& bytes);

// The file's bytes for these keys and values, in this order. Keys are
// letters and digits; values hold no control characters.
std::string FormatSettings(const std::vector<std::pair<std::string, std::string>>& values);

// The value of key as a decimal integer in [min, max]. False (out untouched)
// when it is missing or not such a number.
bool ReadInt(const SettingsText& text, const std::string& key, int min, int max, int& out);
// A non-empty value of at most maxBytes bytes.
bool ReadString(const SettingsText& text, const std::string& key, std::size_t maxBytes, std::string& out);

struct Rect {
    int left, top, right, bottom;
};
// The rectangle moved (not resized) as little as possible to lie inside
// area; when bigger than area, its top left corner goes to area's.
Rect BringInside(Rect rect, Rect area);

} // namespace settings

// Zeto.ini as text: "Key=Value" lines under a "[Zeto]" header, in UTF-8
// (Zeto keeps its texts as Windows-1251 bytes and converts them here). The
// reader is defensive, since anything may have been written into the file,
// by Zeto or by hand in an editor: a line that is not such a line (binary
// bytes, a NUL, an endless line) costs only that line; a file too big to be
// ours is damaged as a whole; a known key whose value makes no sense costs
// only that value; unknown keys are ignored. A UTF-8 byte order mark (which
// Notepad may add) is skipped, and a line that is not UTF-8 is read as
// Windows-1251, as older files were written.
#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace settings {

constexpr std::size_t MAX_FILE_BYTES = 64 * 1024;   // a bigger file is not ours
constexpr std::size_t MAX_LINE_BYTES = 1024;
constexpr const char* SECTION = "Zeto";
constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

struct SettingsText {
    bool damaged = false;   // a line or the whole file was thrown away
    std::map<std::string, std::string> values;   // the last one of a key wins
};

// Reads the file's bytes. A file too big gives no values at all.
SettingsText ParseSettings(const std::string& bytes);

// The file's bytes (UTF-8) for these keys and values (Windows-1251), in
// this order. Keys are letters and digits; values hold no control characters.
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

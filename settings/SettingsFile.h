// Zeto.ini on disk. Written so that a crash or a full disk never leaves a
// half file: the new text goes to a temporary file in the same folder, is
// flushed, and only then replaces the old file in one rename. Paths are
// UTF-16: the folder may be named in letters outside the code page.
#pragma once
#include <string>

namespace settings {

constexpr const wchar_t* FILE_NAME = L"Zeto.ini";
constexpr const wchar_t* DAMAGED_NAME = L"Zeto.ini.damaged";

enum class ReadResult {
    Read,
    NotFound,     // a first run: defaults, saved when they change
    Unreadable,   // there, but locked, a folder, denied or failing: never overwritten
};

// At most MAX_FILE_BYTES + 1 bytes are read: enough to tell that a file is
// too big.
ReadResult ReadSettingsFile(const wchar_t* path, std::string& bytes);
enum class WriteResult {
    Written,
    Held,     // written whole, but another program has Zeto.ini open: worth another try soon
    Failed,   // a full disk, a read-only folder, denied
};
// Unless Written, the old file is untouched and no temporary file is left.
WriteResult WriteSettingsFile(const wchar_t* path, const std::string& bytes);
// A copy of a damaged file (over an older damaged one), so that what the
// reader threw away is not lost.
bool KeepDamagedCopy(const wchar_t* path, const wchar_t* damagedPath);

} // namespace settings

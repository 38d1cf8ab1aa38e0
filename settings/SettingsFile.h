// Zeto.ini on disk. Written so that a crash or a full disk never leaves a
// half file: the new text goes to a temporary file in the same folder, is
// flushed, and only then replaces the old file in one rename.
#pragma once
#include <string>

namespace settings {

constexpr const char* FILE_NAME = "Zeto.ini";
constexpr const char* DAMAGED_NAME = "Zeto.ini.damaged";

// False when there is no file to read. At most MAX_FILE_BYTES + 1 bytes are
// read: enough to tell that a file is too big.
bool ReadSettingsFile(const char* path, std::string& bytes);
// False when the text could not be written whole; the old file is then
// untouched and no temporary file is left.
bool WriteSettingsFile(const char* path, const std::string& bytes);
// Moves a damaged file aside (over an older damaged one) so that it is
// neither read again nor lost.
bool KeepDamagedFile(const char* path, const char* damagedPath);

} // namespace settings

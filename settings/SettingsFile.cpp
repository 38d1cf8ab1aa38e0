#include "settings/SettingsFile.h"

#include "settings/SettingsText.h"

#include <windows.h>

namespace settings {

bool ReadSettingsFile(const char* path, std::string& bytes)
{
    HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bytes.assign(MAX_FILE_BYTES + 1, '\0');
    DWORD total = 0, got = 0;
    while (total < bytes.size()
           && ::ReadFile(file, &bytes[total], (DWORD)(bytes.size() - total), &got, nullptr) && got > 0)
        total += got;
    ::CloseHandle(file);
    bytes.resize(total);
    return true;
}

bool WriteSettingsFile(const char* path, const std::string& bytes)
{
    const std::string temp = std::string(path) + ".new";
    HANDLE file = ::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool whole = ::WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr) && written == bytes.size();
    whole = ::FlushFileBuffers(file) && whole;
    whole = ::CloseHandle(file) && whole;
    if (whole && ::MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileA(temp.c_str());
    return false;
}

bool KeepDamagedFile(const char* path, const char* damagedPath)
{
    return ::MoveFileExA(path, damagedPath, MOVEFILE_REPLACE_EXISTING) != FALSE;
}

} // namespace settings

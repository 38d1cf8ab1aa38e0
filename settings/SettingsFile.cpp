#include "settings/SettingsFile.h"

#include "settings/SettingsText.h"

#include <windows.h>

namespace settings {

ReadResult ReadSettingsFile(const wchar_t* path, std::string& bytes)
{
    bytes.clear();
    HANDLE file = ::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadResult::NotFound
                                                                               : ReadResult::Unreadable;
    }
    bytes.assign(MAX_FILE_BYTES + 1, '\0');
    DWORD total = 0, got = 0;
    bool failed = false;
    while (total < bytes.size()) {
        if (!::ReadFile(file, &bytes[total], (DWORD)(bytes.size() - total), &got, nullptr)) {
            failed = true;
            break;
        }
        if (got == 0)
            break;
        total += got;
    }
    ::CloseHandle(file);
    bytes.resize(failed ? 0 : total);
    return failed ? ReadResult::Unreadable : ReadResult::Read;
}

WriteResult WriteSettingsFile(const wchar_t* path, const std::string& bytes)
{
    const std::wstring temp = std::wstring(path) + L".new";
    HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return WriteResult::Failed;
    DWORD written = 0;
    bool whole = ::WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr) && written == bytes.size();
    whole = ::FlushFileBuffers(file) && whole;
    whole = ::CloseHandle(file) && whole;
    if (whole && ::MoveFileExW(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return WriteResult::Written;
    // A reader that opened Zeto.ini without letting it be deleted (a virus
    // scanner, a backup, an editor) makes the rename fail for as long as it
    // holds the file.
    const DWORD error = ::GetLastError();
    ::DeleteFileW(temp.c_str());
    return whole && (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED) ? WriteResult::Held
                                                                                       : WriteResult::Failed;
}

bool KeepDamagedCopy(const wchar_t* path, const wchar_t* damagedPath)
{
    return ::CopyFileW(path, damagedPath, FALSE) != FALSE;
}

} // namespace settings

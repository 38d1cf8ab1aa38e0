#include "tests/support/ScratchDir.h"

#include <windows.h>

namespace support {

ScratchDir::ScratchDir(const std::string& base)
{
    char previous[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    m_previous = previous;
    std::string parent = base;
    if (parent.empty()) {
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        parent = temp;
    }
    if (!parent.empty() && parent.back() == '\\')
        parent.pop_back();
    for (unsigned n = ::GetTickCount();; ++n) {
        m_path = parent + "\\zeto-test-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(n);
        if (::CreateDirectoryA(m_path.c_str(), nullptr))
            break;
    }
    ::SetCurrentDirectoryA(m_path.c_str());
}

ScratchDir::~ScratchDir()
{
    ::SetCurrentDirectoryA(m_previous.c_str());
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((m_path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string path = m_path + "\\" + found.cFileName;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(m_path.c_str());
}

} // namespace support

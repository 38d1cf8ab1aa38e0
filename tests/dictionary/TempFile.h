#pragma once

#include "tests/support/Records.h"

#include <cstdio>
#include <filesystem>
#include <string>

// A file in the temporary directory, removed when the object goes. Works the
// same natively and under Wine.
class TempFile {
public:
    TempFile()
    {
        static int counter = 0;
        auto dir = std::filesystem::temp_directory_path();
        for (;;) {
            m_path = dir / ("wordlumo-dict-" + std::to_string(std::rand()) + "-" + std::to_string(++counter) + ".dat");
            if (!std::filesystem::exists(m_path))
                break;
        }
        Write("");
    }
    ~TempFile()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string Path() const { return m_path.string(); }

    void Write(const std::string& bytes) { support::WriteFileBytes(Path(), bytes); }
    std::string Read() const { return support::ReadFileBytes(Path()); }

    FILE* Open(const char* mode) const { return std::fopen(Path().c_str(), mode); }

private:
    std::filesystem::path m_path;
};

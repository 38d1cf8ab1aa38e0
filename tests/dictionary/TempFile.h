#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

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
        Write({});
    }
    ~TempFile()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string Path() const { return m_path.string(); }

    void Write(const std::vector<unsigned char>& bytes)
    {
        FILE* f = std::fopen(Path().c_str(), "wb");
        if (f) {
            if (!bytes.empty())
                std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }

    std::vector<unsigned char> Read() const
    {
        std::vector<unsigned char> bytes;
        FILE* f = std::fopen(Path().c_str(), "rb");
        if (!f)
            return bytes;
        int c;
        while ((c = std::fgetc(f)) != EOF)
            bytes.push_back(static_cast<unsigned char>(c));
        std::fclose(f);
        return bytes;
    }

    FILE* Open(const char* mode) const { return std::fopen(Path().c_str(), mode); }

private:
    std::filesystem::path m_path;
};

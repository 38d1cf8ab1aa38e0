#pragma once

#include <cstdio>
#include <string>

// Stdio streams over memory, so a fuzz target can hand the dictionary's
// file functions its bytes without touching the disk.

// A stream opened for reading over bytes (which must outlive it). An empty
// text reads from /dev/null: fmemopen refuses a zero-sized buffer.
inline FILE* OpenForReading(const std::string& bytes)
{
    if (bytes.empty())
        return std::fopen("/dev/null", "rb");
    return fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "rb");
}

// A stream that collects what is written to it; Close hands the bytes over.
class MemoryWriter {
public:
    MemoryWriter() : m_file(open_memstream(&m_buffer, &m_size)) {}
    ~MemoryWriter() { Close(); std::free(m_buffer); }
    MemoryWriter(const MemoryWriter&) = delete;
    MemoryWriter& operator=(const MemoryWriter&) = delete;

    FILE* File() const { return m_file; }

    std::string Close()
    {
        if (m_file) {
            std::fclose(m_file);
            m_file = nullptr;
        }
        return m_buffer ? std::string(m_buffer, m_size) : std::string();
    }

private:
    char* m_buffer = nullptr;
    std::size_t m_size = 0;
    FILE* m_file;
};

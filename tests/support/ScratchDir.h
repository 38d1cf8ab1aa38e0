// A fresh directory, made the current one for the object's life; its files
// (read-only ones too) and the directory go when it ends.
#pragma once
#include <string>

namespace support {

class ScratchDir {
public:
    // base: the parent directory; empty for the temp folder.
    explicit ScratchDir(const std::string& base = "");
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
    std::string m_previous;
};

} // namespace support

#include "tools/zetodict/WholeFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf()))
        return false;
    text = bytes.str();
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, const char* command, FILE* err)
{
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) {
        std::fprintf(err, "zetodict %s: cannot write %s: %s\n", command, path.c_str(), std::strerror(errno));
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(err, "zetodict %s: cannot write %s\n", command, path.c_str());
        return false;
    }
    return true;
}

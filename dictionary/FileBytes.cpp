#include "dictionary/FileBytes.h"

bool ReadFileBytes(std::FILE* file, std::size_t maxBytes, std::string& bytes)
{
    char block[64 * 1024];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) {
        if (bytes.size() + got > maxBytes)
            return false;
        bytes.append(block, got);
    }
    return !std::ferror(file);
}

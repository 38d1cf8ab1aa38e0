#include "tools/zetodict/Loading.h"

#include <cerrno>
#include <cstring>

bool LoadDictionaries(const std::vector<std::string>& paths, CDictionary& dict, const char* command, FILE* err)
{
    for (const std::string& path : paths) {
        FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) {
            std::fprintf(err, "zetodict %s: cannot open %s: %s\n", command, path.c_str(), std::strerror(errno));
            return false;
        }
        dict.LoadFile(file);
        const bool readError = std::ferror(file) != 0;
        std::fclose(file);
        if (readError) {
            std::fprintf(err, "zetodict %s: cannot read %s\n", command, path.c_str());
            return false;
        }
        if (dict.GetTruncatedOffset() >= 0) {
            std::fprintf(err, "zetodict %s: warning: %s: the record at byte %lld is cut short by the end of "
                         "the file and left out, as Zeto does\n", command, path.c_str(), dict.GetTruncatedOffset());
        }
    }
    return true;
}

void LoadIrregularForms(const std::string& firstDictionary, CIrregularForms& forms, const char* command, FILE* err)
{
    const std::size_t slash = firstDictionary.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? std::string() : firstDictionary.substr(0, slash + 1);
    std::string problem;
    if (!forms.LoadFile((folder + CIrregularForms::FILE_NAME).c_str(), &problem))
        std::fprintf(err, "zetodict %s: warning: %s; irregular forms are not found\n", command, problem.c_str());
}

#include "tools/zetodict/Loading.h"

#include "tools/zetodict/Pivots.h"

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

bool LoadForLookup(const std::vector<std::string>& paths, CFormLookup& lookup, CDictionary& dict, bool withForms,
                   const char* command, FILE* err)
{
    if (!LoadDictionaries(paths, dict, command, err))
        return false;
    if (withForms)
        LoadIrregularForms(paths[0], lookup.Irregular(), command, err);
    return true;
}

bool TakePivotOption(const std::vector<std::string>& args, std::size_t& i, PivotSupport& pivots,
                     const char* command, FILE* err, int* status)
{
    *status = 0;
    if (args[i] != "--pivot" || i + 2 >= args.size())
        return false;
    std::string error;
    if (!pivots.AddLanguageFiles(args[i + 1], args[i + 2], &error)) {
        std::fprintf(err, "zetodict %s: %s\n", command, error.c_str());
        *status = error.compare(0, 7, "cannot ") == 0 ? 2 : 1;
    }
    i += 2;
    return true;
}

#include "tools/zetodict/Commands.h"

#include "dictionary/IrregularForms.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

// zetodict forms EXC... -o forms.dat: the exception lists of WordNet
// (noun.exc, verb.exc, adj.exc, adv.exc, in the order their bases are to
// be tried) as the irregular-forms file Zeto reads beside data.dat.
int RunForms(const std::vector<std::string>& args, FILE* err)
{
    std::string output;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            output = args[++i];
            continue;
        }
        std::ifstream in(args[i], std::ios::binary);
        std::ostringstream text;
        if (!in || !(text << in.rdbuf())) {
            std::fprintf(err, "zetodict forms: cannot read %s\n", args[i].c_str());
            return 2;
        }
        texts.push_back(text.str());
    }
    if (texts.empty() || output.empty()) {
        std::fprintf(err, "usage: zetodict forms noun.exc verb.exc adj.exc adv.exc -o forms.dat\n");
        return 2;
    }
    const std::string file = CIrregularForms::Build(texts);
    CIrregularForms check;
    if (!check.Load(file) || check.Count() == 0) {
        std::fprintf(err, "zetodict forms: the exception lists hold no usable entry\n");
        return 1;
    }
    FILE* out = std::fopen(output.c_str(), "wb");
    if (!out) {
        std::fprintf(err, "zetodict forms: cannot write %s: %s\n", output.c_str(), std::strerror(errno));
        return 2;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (std::fclose(out) != 0 || !written) {
        std::fprintf(err, "zetodict forms: cannot write %s\n", output.c_str());
        return 2;
    }
    return 0;
}

#include "tools/zetodict/Commands.h"

#include "dictionary/IrregularForms.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

bool ReadWhole(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf()))
        return false;
    text = bytes.str();
    return true;
}

// WordNet lists no plural in -men: its own lookup forms them by rule. The
// suffix rules only ever shorten a word, so the pairs (women woman,
// gentlemen gentleman) are listed here instead, one for every one-word noun
// in -man of WordNet's noun index. A line of the index starts with its
// lemma; the licence above the entries starts with blanks.
std::string MenPlurals(const std::string& index)
{
    std::string pairs;
    std::istringstream lines(index);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string lemma = line.substr(0, line.find(' '));
        const bool letters = !lemma.empty()
            && lemma.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos;
        if (letters && lemma.size() > 3 && lemma.compare(lemma.size() - 3, 3, "man") == 0)
            pairs += lemma.substr(0, lemma.size() - 3) + "men " + lemma + "\n";
    }
    return pairs;
}

} // namespace

// zetodict forms EXC... [--men-plurals index.noun] -o forms.dat: the
// exception lists of WordNet (noun.exc, verb.exc, adj.exc, adv.exc, in the
// order their bases are to be tried) as the irregular-forms file Zeto reads
// beside data.dat.
int RunForms(const std::vector<std::string>& args, FILE* err)
{
    std::string output;
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            output = args[++i];
            continue;
        }
        const bool men = args[i] == "--men-plurals" && i + 1 < args.size();
        const std::string& path = men ? args[++i] : args[i];
        std::string text;
        if (!ReadWhole(path, text)) {
            std::fprintf(err, "zetodict forms: cannot read %s\n", path.c_str());
            return 2;
        }
        texts.push_back(men ? MenPlurals(text) : text);
    }
    if (texts.empty() || output.empty()) {
        std::fprintf(err, "usage: zetodict forms noun.exc verb.exc adj.exc adv.exc [--men-plurals index.noun] -o forms.dat\n");
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

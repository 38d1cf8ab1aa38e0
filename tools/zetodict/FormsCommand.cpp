#include "tools/zetodict/Commands.h"
#include "tools/zetodict/WholeFile.h"

#include "dictionary/IrregularForms.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>

namespace {

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

// How often each lemma was met in WordNet's tagged texts (cntlist.rev:
// "lemma%pos:… sense count" per line): in all, and as a noun or verb.
struct SenseCounts {
    std::map<std::string, long> total;
    std::map<std::pair<std::string, char>, long> byPartOfSpeech;   // 'n' or 'v'

    explicit SenseCounts(const std::string& cntlist)
    {
        std::istringstream lines(cntlist);
        std::string key;
        long sense = 0;
        long count = 0;
        while (lines >> key >> sense >> count) {
            const std::size_t percent = key.find('%');
            if (percent == std::string::npos || percent + 1 >= key.size())
                continue;
            const std::string lemma = key.substr(0, percent);
            total[lemma] += count;
            const char type = key[percent + 1];
            if (type == '1' || type == '2')
                byPartOfSpeech[{lemma, type == '1' ? 'n' : 'v'}] += count;
        }
    }

    long Of(const std::string& lemma) const
    {
        const auto it = total.find(lemma);
        return it == total.end() ? 0 : it->second;
    }
    long Of(const std::string& lemma, char partOfSpeech) const
    {
        const auto it = byPartOfSpeech.find({lemma, partOfSpeech});
        return it == byPartOfSpeech.end() ? 0 : it->second;
    }
};

// A noun or verb form that is also a word of its own (saw: the tool, and
// the past of see) gets itself listed after the bases that were met more
// often than it, so Zeto shows those readings first. A comparative keeps its
// own reading first: an entry of its own translates that very form (best).
std::string RankReadings(const std::string& exc, char partOfSpeech, const SenseCounts& counts)
{
    std::string ranked;
    std::istringstream lines(exc);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string word;
        std::string base;
        long likeliestBase = 0;
        fields >> word;
        while (fields >> base)
            likeliestBase = std::max(likeliestBase, counts.Of(base, partOfSpeech));
        ranked += line;
        if (likeliestBase > counts.Of(word))
            ranked += " " + word;
        ranked += '\n';
    }
    return ranked;
}

// The proper names among WordNet's nouns (data.noun writes them capitalised:
// Carter, Gates, Browning) that end as the suffix rules cut, each as a line
// naming only itself: Zeto never cuts them into a common word.
std::string ProperNames(const std::string& dataNoun)
{
    static const char* const ENDINGS[] = {"s", "ed", "ing", "er", "est", "ly"};
    std::string lines;
    std::istringstream in(dataNoun);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string offset, file, type, count;
        if (!(fields >> offset >> file >> type >> count) || offset.empty() || !std::isdigit(static_cast<unsigned char>(offset[0])))
            continue;   // the licence above the synsets
        const unsigned long words = std::strtoul(count.c_str(), nullptr, 16);
        for (unsigned long i = 0; i < words; ++i) {
            std::string word, lexId;
            if (!(fields >> word >> lexId))
                break;
            const bool name = word.size() > 2 && word[0] >= 'A' && word[0] <= 'Z'
                && word.find_first_not_of("abcdefghijklmnopqrstuvwxyz", 1) == std::string::npos;
            const bool cut = std::any_of(std::begin(ENDINGS), std::end(ENDINGS), [&](const char* e) {
                const std::size_t n = std::strlen(e);
                return word.size() > n && word.compare(word.size() - n, n, e) == 0;
            });
            if (name && cut)
                lines += word + " " + word + "\n";
        }
    }
    return lines;
}

// 'n' for noun.exc, 'v' for verb.exc, else 0.
char PartOfSpeechOf(const std::string& path)
{
    const std::string name = path.substr(path.find_last_of("/\\") + 1);
    return name.compare(0, 5, "noun.") == 0 ? 'n' : name.compare(0, 5, "verb.") == 0 ? 'v' : 0;
}

} // namespace

// zetodict forms EXC... [--men-plurals index.noun] [--sense-counts cntlist.rev] [--names data.noun] -o forms.dat:
// the exception lists of WordNet (noun.exc, verb.exc, adj.exc, adv.exc, in
// the order their bases are to be tried) as the irregular-forms file Zeto
// reads beside data.dat; with WordNet's sense counts, the readings of a form
// that is also a word of its own are ranked; with its nouns, the proper names
// the suffix rules would cut are kept whole.
int RunForms(const std::vector<std::string>& args, FILE* err)
{
    std::string output;
    std::string cntlist;
    std::vector<std::pair<std::string, char>> texts;   // with the part of speech of a .exc
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            output = args[++i];
            continue;
        }
        const bool men = args[i] == "--men-plurals" && i + 1 < args.size();
        const bool counts = args[i] == "--sense-counts" && i + 1 < args.size();
        const bool names = args[i] == "--names" && i + 1 < args.size();
        const std::string& path = men || counts || names ? args[++i] : args[i];
        std::string text;
        if (!ReadWholeFile(path, text)) {
            std::fprintf(err, "zetodict forms: cannot read %s\n", path.c_str());
            return 2;
        }
        if (counts)
            cntlist = text;
        else
            texts.emplace_back(men ? MenPlurals(text) : names ? ProperNames(text) : text,
                               men || names ? 0 : PartOfSpeechOf(path));
    }
    if (texts.empty() || output.empty()) {
        std::fprintf(err, "usage: zetodict forms noun.exc verb.exc adj.exc adv.exc [--men-plurals index.noun] "
                          "[--sense-counts cntlist.rev] [--names data.noun] -o forms.dat\n");
        return 2;
    }
    const SenseCounts counts(cntlist);
    std::vector<std::string> lists;
    for (const auto& text : texts)
        lists.push_back(text.second && !cntlist.empty() ? RankReadings(text.first, text.second, counts) : text.first);
    const std::string file = CIrregularForms::Build(lists);
    CIrregularForms check;
    if (!check.Load(file) || check.Count() == 0) {
        std::fprintf(err, "zetodict forms: the exception lists hold no usable entry\n");
        return 1;
    }
    if (!WriteWholeFile(output, file, "forms", err))
        return 2;
    return 0;
}

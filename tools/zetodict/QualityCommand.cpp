#include "tools/zetodict/Commands.h"

#include "text/Cp1251.h"
#include "dictionary/FormLookup.h"
#include "tools/zetodict/JudgedSet.h"
#include "tools/zetodict/Loading.h"
#include "tools/zetodict/Pivots.h"


namespace {

struct PanelWord {
    std::string word;
    std::vector<std::string> accepted;   // comparison keys
};

// word<TAB>accepted|accepted|... per line.
bool ReadPanel(const std::string& path, std::vector<PanelWord>& panel, std::string* error)
{
    std::vector<std::vector<std::string>> rows;
    if (!ReadJudgedSet(path, 2, "word<TAB>accepted|accepted...", rows, error))
        return false;
    for (const std::vector<std::string>& row : rows) {
        PanelWord entry{row[0], {}};
        const std::string rest = row[1] + "|";
        for (std::size_t start = 0, bar; (bar = rest.find('|', start)) != std::string::npos; start = bar + 1)
            if (bar > start)
                entry.accepted.push_back(PivotSupport::ComparisonKey(cp1251::FromUtf8(rest.substr(start, bar - start)).text));
        panel.push_back(std::move(entry));
    }
    return true;
}

// An equivalent meets an accepted word when, without its parenthesised
// parts, it is that word or begins with it as a word (мога да, забавям се).
bool Meets(const std::string& equivalent, const std::vector<std::string>& accepted)
{
    const std::string key = PivotSupport::ComparisonKey(equivalent);
    for (const std::string& a : accepted)
        if (key == a || key.compare(0, a.size() + 1, a + " ") == 0)
            return true;
    return false;
}

// The equivalents of a shown text and where each begins: the parts between
// ',', ';' and ':' ("house: къща, дом" gives "house", "къща", "дом").
std::vector<std::pair<std::size_t, std::string>> Equivalents(const std::string& text)
{
    std::vector<std::pair<std::size_t, std::string>> parts;
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ',';
        depth += c == '(' ? 1 : c == ')' && depth > 0 ? -1 : 0;
        if (depth == 0 && (c == ',' || c == ';' || c == ':')) {
            parts.emplace_back(start, text.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// A shown text may begin by naming the entry it comes from ("see: виждам").
std::string WithoutName(const std::string& text)
{
    const std::size_t colon = text.find(": ");
    if (colon == std::string::npos || colon == 0)
        return text;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = text[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ' || c == '-' || c == '\''))
            return text;
    }
    return text.substr(colon + 2);
}

} // namespace

// zetodict quality [--forms] [--misses] PANEL.tsv FILE.dat...: the share of
// the panel's words whose first shown equivalent is an accepted one, and the
// share with an accepted one among those beginning in the first 80 characters.
int RunQuality(const std::vector<std::string>& args, FILE* out, FILE* err)
{
    const std::size_t FIRST_GLANCE = 80;
    bool withForms = false;
    bool listMisses = false;
    std::vector<std::string> paths;
    for (const std::string& a : args) {
        if (a == "--forms")
            withForms = true;
        else if (a == "--misses")
            listMisses = true;
        else
            paths.push_back(a);
    }
    if (paths.size() < 2) {
        std::fprintf(err, "usage: zetodict quality [--forms] [--misses] PANEL.tsv FILE.dat [FILE.dat...]\n");
        return 2;
    }
    std::vector<PanelWord> panel;
    std::string error;
    if (!ReadPanel(paths[0], panel, &error)) {
        std::fprintf(err, "zetodict quality: %s\n", error.c_str());
        return error.compare(0, 7, "cannot ") == 0 ? 2 : 1;
    }
    paths.erase(paths.begin());
    CDictionary dict;
    CFormLookup lookup(dict);
    if (!LoadForLookup(paths, lookup, dict, withForms, "quality", err))
        return 2;

    long first = 0;
    long glance = 0;
    for (const PanelWord& p : panel) {
        const CFormLookup::Answer answer = lookup.Lookup(p.word.c_str(), withForms);
        const auto parts = Equivalents(WithoutName(answer.text));
        const bool firstRight = !parts.empty() && Meets(parts.front().second, p.accepted);
        bool seen = false;
        for (const auto& part : parts)
            seen = seen || (part.first < FIRST_GLANCE && Meets(part.second, p.accepted));
        first += firstRight;
        glance += seen;
        if (listMisses && !firstRight)
            std::fprintf(out, "%s %s: %s\n", seen ? "later" : "MISS ", p.word.c_str(), cp1251::ToUtf8(answer.text).c_str());
    }
    const auto percent = [&](long part) { return panel.empty() ? 0.0 : 100.0 * part / panel.size(); };
    std::fprintf(out, "panel: %zu words\nfirst word right: %ld (%.1f%%)\n", panel.size(), first, percent(first));
    std::fprintf(out, "accepted within the first %zu characters: %ld (%.1f%%)\n", FIRST_GLANCE, glance, percent(glance));
    return 0;
}

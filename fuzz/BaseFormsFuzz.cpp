// Base forms, phrases, other spellings and folded letters of arbitrary
// selections against arbitrary exception lists and dictionaries (entries
// may hold spaces: phrases). Checked: every candidate is shorter than the
// word or is a base the exception lists give; a shown entry is one the
// dictionary holds, shown as "entry: translation"; an unnamed answer to a
// miss is the folded selection's own; a word next to a letter Windows-1251
// lacks is no word; a dictionary hit is its own answer or, when the lists
// name it, its readings, each named, its own among them; the lookup with
// base forms switched off is the dictionary's own answer. The whole input
// is also offered to the forms-file reader, which must refuse or accept it
// without harm.
//
// Input: lines. "=inflected base..." is an exception-list line, "+word" a
// dictionary entry, any other line a query.
#include "dictionary/BaseForms.h"
#include "dictionary/FormLookup.h"
#include "dictionary/LookupFolding.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Fold(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool DictionaryHolds(const CDictionary& dict, const std::string& word)
{
    for (const CDictionary::Entry* e = dict.GetHead(); e; e = e->pNext)
        if (Fold(e->pair.GetWord()) == Fold(word))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    CIrregularForms any;
    any.Load(input);

    std::string exc;
    std::vector<std::string> words;
    std::vector<std::string> queries;
    std::istringstream lines(input);
    std::string line;
    while (std::getline(lines, line)) {
        line = line.c_str();   // texts end at a NUL, as C strings do
        if (!line.empty() && line[0] == '=')
            exc += line.substr(1) + '\n';
        else if (!line.empty() && line[0] == '+')
            words.push_back(line.substr(1));
        else
            queries.push_back(line);
    }

    CDictionary dict;
    CFormLookup lookup(dict);
    const std::string built = CIrregularForms::Build({exc});
    FUZZ_CHECK(lookup.Irregular().Load(built), "a built forms file loads");
    std::set<std::string> listedBases;
    std::istringstream fields(built.substr(built.find('\n') + 1));
    for (std::string field; fields >> field;)
        listedBases.insert(field);
    for (std::size_t i = 0; i < words.size(); ++i)
        dict.AddPair(words[i].c_str(), ("t" + std::to_string(i)).c_str());

    for (const std::string& query : queries) {
        const std::string word = CDictionary::TrimNonLetters(query.c_str());
        for (const std::string& form : BaseFormCandidates(word, lookup.Irregular())) {
            FUZZ_CHECK(!form.empty() && form != Fold(word), "a candidate is another, non-empty word");
            FUZZ_CHECK(form.size() < word.size() || listedBases.count(form), "a candidate is shorter or listed");
        }
        const char* plain = dict.Lookup(query.c_str());
        FUZZ_CHECK(lookup.Lookup(query.c_str(), false).text == plain, "switched off: the dictionary's answer");
        const CFormLookup::Answer answer = lookup.Lookup(query.c_str(), true);
        if (lookupfold::MissesALetter(lookupfold::Fold1251(query.c_str()))) {
            FUZZ_CHECK(answer.text == CDictionary::MSG_NOT_FOUND, "a word missing a letter is never looked up");
        } else if (plain != CDictionary::MSG_NOT_FOUND && answer.text != plain) {
            const std::string text = answer.text;
            const std::string own = Fold(word) + ": " + plain;
            FUZZ_CHECK(lookup.Irregular().Lists(Fold(word)), "only a listed word has readings");
            FUZZ_CHECK(text.find(CFormLookup::READING_SEPARATOR) != std::string::npos, "readings are several");
            FUZZ_CHECK(text.rfind(own, 0) == 0 || text.find(CFormLookup::READING_SEPARATOR + own) != std::string::npos,
                       "the word's own reading is among them, named");
            FUZZ_CHECK(answer.form.empty() || (DictionaryHolds(dict, answer.form) && text.rfind(answer.form + ": ", 0) == 0),
                       "a base form shown first is in the dictionary and named");
        } else if (plain != CDictionary::MSG_NOT_FOUND) {
            FUZZ_CHECK(answer.form.empty(), "a hit is the dictionary's own answer");
        } else if (!answer.form.empty()) {
            FUZZ_CHECK(DictionaryHolds(dict, answer.form), "a shown form is in the dictionary");
            FUZZ_CHECK(std::string(answer.text).rfind(answer.form + ": ", 0) == 0, "the text names the form");
        } else if (answer.text != plain) {
            // Nothing named: the folded selection is an entry as it is. It is
            // looked up without its surrounding non-letters, which may change
            // the direction of the search (and so which of two equal entries
            // answers).
            const std::string folded = lookupfold::Fold1251(query.c_str());
            FUZZ_CHECK(folded != query, "only a folded selection answers unnamed");
            const std::string text = answer.text;
            const std::string trimmed = CDictionary::TrimNonLetters(folded.c_str());
            FUZZ_CHECK(text == dict.Lookup(folded.c_str()) || text == dict.Lookup(trimmed.c_str()) ||
                           text.find(CFormLookup::READING_SEPARATOR) != std::string::npos,
                       "an unnamed answer is the folded selection's own");
        }
    }
    return 0;
}

#pragma once

#include "tools/zetodict/DictdFile.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// Triangulation: a Bulgarian equivalent of an English word that the word also
// reaches through another language (English -> X -> Bulgarian) is what the
// word usually means; one reached through many independent languages all the
// more. FreeDict's English-X and X-Bulgarian dictionaries supply the pivots.
class PivotSupport {
public:
    static const std::size_t MAX_LANGUAGES = 32;   // one bit each

    // A dictd dictionary held in memory: its index by word, and its text.
    struct Dictionary {
        std::string text;
        std::unordered_multimap<std::string, DictdIndexLine> entries;   // by index word

        // From an open index and the whole text; the names are for messages.
        bool Parse(std::istream& index, const std::string& indexName, std::string text,
                   const std::string& dictName, std::string* error);
        bool Read(const std::string& input, std::string* error);
    };

    // Adds pivot language `name` from its English-X and X-Bulgarian
    // dictionaries; false with a message when there are too many.
    bool AddLanguage(const std::string& name, Dictionary englishToX, Dictionary xToBulgarian, std::string* error);
    // The same from the files, named after the English-X file
    // ("freedict-eng-deu.index" -> "deu").
    bool AddLanguageFiles(const std::string& englishToX, const std::string& xToBulgarian, std::string* error);

    // The languages (bit i for Names()[i]) through which the English index
    // word reaches the Windows-1251 equivalent. Letter case, stress marks and
    // parenthesised parts do not count.
    std::uint32_t Languages(const std::string& english, const std::string& bulgarian) const;
    const std::vector<std::string>& Names() const { return m_names; }
    bool Empty() const { return m_names.empty(); }

    // The X words of an English-X entry, read leniently: the editions differ
    // (numbered senses with glosses, Roman-numbered parts of speech, tags in
    // <> and [], example lines), and a stray English gloss among them can only
    // miss in X-Bulgarian.
    static std::vector<std::string> PivotWords(const std::string& entryText);
    // The form in which equivalents are compared: Windows-1251, lower case,
    // without parenthesised parts and surrounding spaces.
    static std::string ComparisonKey(const std::string& cp1251Equivalent);

private:
    struct Language {
        Dictionary englishToX;
        Dictionary xToBulgarian;
    };
    // Per English word, per language, the comparison keys it reaches.
    using Reached = std::vector<std::vector<std::string>>;
    const Reached& ReachedFrom(const std::string& english) const;

    std::vector<std::string> m_names;
    std::vector<Language> m_languages;
    mutable std::unordered_map<std::string, Reached> m_cache;
};

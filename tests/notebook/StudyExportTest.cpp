// The export for study, read back as Anki and Excel read it: header lines,
// separators, quoted fields with doubled quotes, HTML; one note per word,
// with a guid that stays the word's across exports.
#include "notebook/StudyExport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using namespace notebook;

namespace {

using Records = std::vector<std::vector<std::string>>;

// Delimited text as Anki's and Excel's readers take it: a field that starts
// with a double quote runs to the quote that is not doubled; outside quotes
// a line end (LF or CR LF) ends the record. With comments, a line that
// starts with '#' is skipped.
Records ParseDelimited(const std::string& text, char separator, bool comments)
{
    Records records;
    std::size_t i = 0;
    while (i < text.size()) {
        if (comments && text[i] == '#') {
            i = text.find('\n', i);
            i = i == std::string::npos ? text.size() : i + 1;
            continue;
        }
        std::vector<std::string> record;
        for (;;) {
            std::string field;
            if (i < text.size() && text[i] == '"') {
                for (++i; i < text.size(); ++i) {
                    if (text[i] == '"' && (i + 1 >= text.size() || text[i + 1] != '"'))
                        break;
                    if (text[i] == '"')
                        ++i;
                    field += text[i];
                }
                EXPECT_LT(i, text.size()) << "a quoted field is closed";
                ++i;
            } else {
                while (i < text.size() && text[i] != separator && text[i] != '\n' && text[i] != '\r')
                    field += text[i++];
            }
            record.push_back(field);
            if (i < text.size() && text[i] == separator) {
                ++i;
                continue;
            }
            if (i < text.size() && text[i] == '\r')
                ++i;
            EXPECT_TRUE(i >= text.size() || text[i] == '\n') << "a field ends at a separator or a line end";
            ++i;
            break;
        }
        records.push_back(record);
    }
    return records;
}

struct AnkiFile {
    std::map<std::string, std::string> headers;
    Records notes;
};

// Anki's file headers: "#key:value" lines at the very start.
AnkiFile ParseAnki(const std::string& text)
{
    AnkiFile file;
    std::size_t i = 0;
    while (i < text.size() && text[i] == '#') {
        const std::size_t end = text.find('\n', i);
        const std::string line = text.substr(i + 1, end - i - 1);
        const std::size_t colon = line.find(':');
        EXPECT_NE(colon, std::string::npos) << line;
        file.headers[line.substr(0, colon)] = line.substr(colon + 1);
        i = end + 1;
    }
    file.notes = ParseDelimited(text.substr(i), '\t', true);
    return file;
}

// Plain text of what the export wrote as HTML.
std::string FromHtml(std::string html)
{
    for (const auto& [entity, plain] : std::vector<std::pair<std::string, std::string>>{
             {"<br>", "\n"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
        for (std::size_t at = html.find(entity); at != std::string::npos; at = html.find(entity, at + plain.size()))
            html.replace(at, entity.size(), plain);
    }
    return html;
}

std::string OneLineEnd(std::string text)
{
    for (std::size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at)) {
        if (at + 1 < text.size() && text[at + 1] == '\n')
            text.erase(at, 1);
        else
            text[at] = '\n';
    }
    return text;
}

History Sample()
{
    std::string bytes = EncodeLookup(100, "House", "house", u8"къща, дом", "/haUs/", "Reader")
        + EncodeLookup(200, "#hash", "#hash", "<b>bold</b> & \"quoted\"\ttabbed", "", "Browser")
        + EncodeLookup(300, "garden", "garden", "line one\r\nline two\rthree\nfour", "", "Word, \"the\" editor")
        + EncodeLookup(400, "door", "door", "\"", "", "")
        + EncodeStar(500, "garden", true);
    return ReadHistory(bytes).history;
}

TEST(AnkiExport, HeadersAreAnkisAndEachWordIsOneNoteWithItsFrontBackAndGuid)
{
    const History history = Sample();
    const std::vector<Row> rows = RowsToExport(history, ExportWhich::All);
    const AnkiFile file = ParseAnki(AnkiText(rows));
    EXPECT_EQ(file.headers, (std::map<std::string, std::string>{{"separator", "tab"}, {"html", "true"},
                                                                  {"notetype", "Basic"}, {"deck", "Wordlumo"},
                                                                  {"guid column", "1"}, {"tags column", "4"}}));
    ASSERT_EQ(file.notes.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string>& note = file.notes[i];
        ASSERT_EQ(note.size(), 4u) << rows[i].word;
        EXPECT_EQ(note[0], AnkiGuid(rows[i].word));
        const std::string front = rows[i].pronunciation.empty() ? rows[i].word
                                                                : rows[i].word + " " + rows[i].pronunciation;
        EXPECT_EQ(FromHtml(note[1]), front);
        EXPECT_EQ(FromHtml(note[2]), OneLineEnd(rows[i].translation));
        EXPECT_EQ(note[2].find_first_of("<>"), note[2].find("<br>")) << "the only markup is the line breaks";
        EXPECT_EQ(note[3], rows[i].starred ? "wordlumo starred" : "wordlumo");
    }
    EXPECT_EQ(FromHtml(file.notes[rows.size() - 1][1]), "House /haUs/");
    EXPECT_EQ(FromHtml(file.notes[0][1]), "door");
}

TEST(AnkiExport, GuidsStayTheWordsAcrossExportsAndCaseAndDiffer)
{
    const std::string first = AnkiText(RowsToExport(Sample(), ExportWhich::All));
    const History later = ReadHistory(EncodeLookup(900, "HOUSE", "house", u8"жилище", "", "X")).history;
    std::vector<Row> rows = RowsToExport(Sample(), ExportWhich::All);
    rows.push_back(later.Rows().front());
    std::set<std::string> firstGuids, secondGuids;
    for (const auto& note : ParseAnki(first).notes)
        firstGuids.insert(note[0]);
    for (const auto& note : ParseAnki(AnkiText(rows)).notes)
        secondGuids.insert(note[0]);
    EXPECT_EQ(firstGuids.size(), 4u) << "four words, four guids";
    EXPECT_EQ(secondGuids, firstGuids) << "the same words, the same guids, whatever the case";
    EXPECT_EQ(AnkiGuid("House"), AnkiGuid("house"));
    EXPECT_NE(AnkiGuid("house"), AnkiGuid("houses"));
    for (const std::string& guid : firstGuids)
        EXPECT_EQ(guid.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
                  std::string::npos) << guid;
}

TEST(StudyExport, AllStarredOrSinceATimeChooseTheRows)
{
    const History history = Sample();
    auto words = [&](ExportWhich which, Time since) {
        std::vector<std::string> out;
        for (const Row& row : RowsToExport(history, which, since))
            out.push_back(row.word);
        return out;
    };
    EXPECT_EQ(words(ExportWhich::All, 0), (std::vector<std::string>{"door", "garden", "#hash", "House"}));
    EXPECT_EQ(words(ExportWhich::Starred, 0), std::vector<std::string>{"garden"});
    EXPECT_EQ(words(ExportWhich::Since, 300), (std::vector<std::string>{"door", "garden"}));
    EXPECT_EQ(words(ExportWhich::Since, 401), std::vector<std::string>{});
}

TEST(CsvExport, StartsWithTheByteOrderMarkAndParsesBack)
{
    const std::vector<Row> rows = RowsToExport(Sample(), ExportWhich::All);
    const std::string csv = CsvText(rows);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const Records records = ParseDelimited(csv.substr(3), ',', false);
    ASSERT_EQ(records.size(), rows.size() + 1);
    EXPECT_EQ(records[0][0], "Word");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string>& r = records[i + 1];
        ASSERT_EQ(r.size(), records[0].size()) << rows[i].word;
        EXPECT_EQ(r[0], rows[i].word);
        EXPECT_EQ(r[1], rows[i].pronunciation);
        EXPECT_EQ(r[2], rows[i].translation);
        EXPECT_EQ(r[3], rows[i].entry);
        EXPECT_EQ(r[4], rows[i].application);
        EXPECT_EQ(r[7], std::to_string(rows[i].count));
        EXPECT_EQ(r[8], rows[i].starred ? "yes" : "");
    }
    const History dated = ReadHistory(EncodeLookup(1'709'251'199, "leap", "leap", "", "", "")
                                      + EncodeLookup(951'868'800, "leap", "leap", "", "", ""))
                              .history;
    const Records times = ParseDelimited(CsvText(dated.Rows()).substr(3), ',', false);
    EXPECT_EQ(times[1][5], "2000-03-01 00:00:00");
    EXPECT_EQ(times[1][6], "2024-02-29 23:59:59");
}

} // namespace

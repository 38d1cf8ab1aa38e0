#include "notebook/StudyExport.h"

#include <cstdint>

namespace notebook {

namespace {

constexpr const char* ANKI_HEADER =
    "#separator:tab\n"
    "#html:true\n"
    "#notetype:Basic\n"
    "#deck:Wordlumo\n"
    "#guid column:1\n"
    "#tags column:4\n";
constexpr const char* ANKI_TAG = "wordlumo";
constexpr const char* ANKI_STARRED_TAG = "starred";
constexpr const char* GUID_PREFIX = "wl";
constexpr const char* UTF8_BOM = "\xEF\xBB\xBF";
constexpr const char* CSV_HEADER =
    "Word,Pronunciation,Translation,Entry,Application,First seen (UTC),Last seen (UTC),Lookups,Starred";

// Text as HTML: the three characters HTML gives a meaning to as entities,
// each line end (CR LF, CR or LF) as a line break.
std::string Html(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += "<br>";
            break;
        case '\n': out += "<br>"; break;
        default: out += text[i];
        }
    }
    return out;
}

// The field as is, or in double quotes with its quotes doubled when it holds
// one of special.
std::string Quoted(const std::string& field, const char* special)
{
    if (field.find_first_of(special) == std::string::npos)
        return field;
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string Front(const Row& row)
{
    return row.pronunciation.empty() ? row.word : row.word + " " + row.pronunciation;
}

// "YYYY-MM-DD HH:MM:SS" of a time in UTC (days to a civil date after
// Howard Hinnant's days_from_civil inverse).
std::string UtcText(Time time)
{
    const std::uint64_t days = time / 86400, second = time % 86400;
    const std::int64_t z = static_cast<std::int64_t>(days) + 719468;
    const std::int64_t era = z / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t day = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    std::string text;
    auto put = [&text](std::int64_t value, int digits, const char* after) {
        std::string number = std::to_string(value);
        text += std::string(number.size() < static_cast<std::size_t>(digits) ? digits - number.size() : 0, '0')
            + number + after;
    };
    put(year, 4, "-");
    put(month, 2, "-");
    put(day, 2, " ");
    put(second / 3600, 2, ":");
    put(second / 60 % 60, 2, ":");
    put(second % 60, 2, "");
    return text;
}

} // namespace

std::vector<Row> RowsToExport(const History& history, ExportWhich which, Time since)
{
    std::vector<Row> rows;
    for (Row& row : history.Rows()) {
        if ((which == ExportWhich::Starred && !row.starred) || (which == ExportWhich::Since && row.lastSeen < since))
            continue;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string AnkiGuid(const std::string& word)
{
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : WordKey(word)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    std::string guid = GUID_PREFIX;
    for (int i = 0; i < 11; ++i) {   // 62^11 > 2^64
        guid += digits[hash % 62];
        hash /= 62;
    }
    return guid;
}

std::string AnkiText(const std::vector<Row>& rows)
{
    std::string out = ANKI_HEADER;
    for (const Row& row : rows) {
        std::string tags = ANKI_TAG;
        if (row.starred)
            tags = tags + " " + ANKI_STARRED_TAG;
        out += AnkiGuid(row.word) + "\t" + Quoted(Html(Front(row)), "\t\"") + "\t"
            + Quoted(Html(row.translation), "\t\"") + "\t" + tags + "\n";
    }
    return out;
}

std::string CsvText(const std::vector<Row>& rows)
{
    std::string out = std::string(UTF8_BOM) + CSV_HEADER + "\r\n";
    for (const Row& row : rows) {
        const char* special = ",\"\r\n";
        out += Quoted(row.word, special) + "," + Quoted(row.pronunciation, special) + ","
            + Quoted(row.translation, special) + "," + Quoted(row.entry, special) + ","
            + Quoted(row.application, special) + "," + UtcText(row.firstSeen) + "," + UtcText(row.lastSeen) + ","
            + std::to_string(row.count) + "," + (row.starred ? "yes" : "") + "\r\n";
    }
    return out;
}

} // namespace notebook

// History.dat's records: any bytes in a field come back, a torn last record
// (a crash) costs only itself, a garbled one stops the read and says so, and
// nothing past the bounds is taken.
#include "notebook/History.h"
#include "notebook/HistoryJournal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace notebook;

namespace {

std::vector<Record> RecordsOf(const std::string& bytes, JournalScan* scan = nullptr)
{
    std::vector<Record> records;
    const JournalScan s = ReadJournal(bytes, [&](const Record& r) {
        records.push_back(r);
        return true;
    });
    if (scan)
        *scan = s;
    return records;
}

// A record framed as the journal frames it, for payloads Zeto never writes.
std::string Framed(std::uint8_t kind, const std::string& payload)
{
    std::string head{static_cast<char>(kind), static_cast<char>(payload.size() & 0xFF),
                     static_cast<char>(payload.size() >> 8)};
    const std::uint32_t crc = Crc32(payload, Crc32(head));
    head += static_cast<char>(Crc32(head) & 0xFF);
    for (int shift = 0; shift < 32; shift += 8)
        head += static_cast<char>((crc >> shift) & 0xFF);
    return head + payload;
}

std::string Lookup(Time time, const std::string& word)
{
    return EncodeLookup(time, word, word, u8"превод на " + word, "", "Document1 - Microsoft Word");
}

const std::vector<std::string> HOSTILE = {
    std::string("a\0b", 3), "tab\there", "line\r\nend\nand\r", "\"quoted\" \"\"twice\"\"", "<b>&amp;</b> & <",
    u8"къща, дом; жилище", "\xFF\xFE\x80 not UTF-8", std::string(1, '\0'), "#starts like a comment", "",
    "\x1B[31m escape", "a,b;c|d",
};

TEST(Journal, AnyBytesInAFieldComeBack)
{
    for (const std::string& text : HOSTILE) {
        const std::string word = text.empty() ? "w" : text;
        const std::string bytes = EncodeLookup(7, word, text, text, text, text) + EncodeStar(8, word, true)
            + EncodeDelete(9, word) + EncodeClear(10);
        JournalScan scan;
        const std::vector<Record> records = RecordsOf(bytes, &scan);
        EXPECT_FALSE(scan.damaged) << text;
        EXPECT_EQ(scan.goodBytes, bytes.size()) << text;
        ASSERT_EQ(records.size(), 4u) << text;
        const Row& row = records[0].row;
        EXPECT_EQ(records[0].kind, RecordKind::Lookup);
        EXPECT_EQ(records[0].time, 7u);
        EXPECT_EQ(row.word, word);
        EXPECT_EQ(row.entry, text);
        EXPECT_EQ(row.translation, text);
        EXPECT_EQ(row.pronunciation, text);
        EXPECT_EQ(row.application, text);
        EXPECT_EQ(records[1].kind, RecordKind::Star);
        EXPECT_EQ(records[1].row.word, word);
        EXPECT_TRUE(records[1].row.starred);
        EXPECT_EQ(records[2].kind, RecordKind::Delete);
        EXPECT_EQ(records[2].row.word, word);
        EXPECT_EQ(records[3].kind, RecordKind::Clear);
        EXPECT_EQ(records[3].time, 10u);
    }
}

TEST(Journal, AWordRecordCarriesTheRowWhole)
{
    Row row{"House", "house", u8"къща\tдом", "haUs", "Reader", 1, 1'900'000'000'000ull, 4'000'000'000u, true};
    const std::vector<Record> records = RecordsOf(EncodeWord(row));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].kind, RecordKind::Word);
    EXPECT_EQ(records[0].row, row);
}

// Fields past the bounds are cut where a UTF-8 character starts; nothing
// is written for an empty word.
TEST(Journal, LongFieldsAreCutToTheBoundsAndAnEmptyWordIsNotRecorded)
{
    const std::string longWord(MAX_WORD_BYTES + 10, 'w');
    std::string longText = "x";
    while (longText.size() <= MAX_FIELD_BYTES)
        longText += u8"ж";
    const std::vector<Record> records = RecordsOf(EncodeLookup(1, longWord, longText, "", "", ""));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].row.word, std::string(MAX_WORD_BYTES, 'w'));
    EXPECT_EQ(records[0].row.entry.size(), MAX_FIELD_BYTES - 1) << "not cut inside a character";
    EXPECT_EQ(records[0].row.entry, longText.substr(0, MAX_FIELD_BYTES - 1));
    EXPECT_EQ(EncodeLookup(1, "", "e", "t", "", ""), "");
    EXPECT_EQ(EncodeStar(1, "", true), "");
    EXPECT_EQ(EncodeDelete(1, ""), "");
}

// The crash case: whatever part of the last record reached the disk, the
// records before it are all read, and it is no damage.
TEST(Journal, AJournalCutAnywhereInItsLastRecordReadsAllEarlierRows)
{
    const std::string earlier = Lookup(1, "house") + EncodeStar(2, "house", true) + Lookup(3, "garden");
    const std::string last = Lookup(4, "window");
    for (std::size_t cut = 0; cut < last.size(); ++cut) {
        const HistoryRead read = ReadHistory(earlier + last.substr(0, cut));
        EXPECT_FALSE(read.damaged) << cut;
        EXPECT_EQ(read.goodBytes, earlier.size()) << cut;
        ASSERT_EQ(read.history.Size(), 2u) << cut;
        EXPECT_TRUE(read.history.Find("house")->starred) << cut;
    }
    EXPECT_EQ(ReadHistory(earlier + last).history.Size(), 3u);
    const HistoryRead zeros = ReadHistory(earlier + std::string(4096, '\0'));
    EXPECT_FALSE(zeros.damaged) << "the zeros a crash leaves are a torn tail";
    EXPECT_EQ(zeros.goodBytes, earlier.size());
}

// Any byte of a middle record changed: the read stops before it and says
// damage; the records before it are read.
TEST(Journal, AGarbledMiddleRecordStopsTheReadThereAndSaysDamage)
{
    const std::string before = Lookup(1, "house") + Lookup(2, "garden");
    const std::string middle = Lookup(3, "window");
    const std::string after = Lookup(4, "door") + Lookup(5, "roof");
    for (std::size_t at = 0; at < middle.size(); ++at) {
        for (const unsigned char flip : {0x01, 0x80, 0xFF, 0x10}) {
            std::string garbled = middle;
            garbled[at] = static_cast<char>(garbled[at] ^ flip);
            const HistoryRead read = ReadHistory(before + garbled + after);
            EXPECT_TRUE(read.damaged) << at << " " << int(flip);
            EXPECT_EQ(read.goodBytes, before.size()) << at << " " << int(flip);
            EXPECT_EQ(read.history.Size(), 2u) << at << " " << int(flip);
        }
    }
}

// Records whose checks hold but whose contents Zeto never writes.
TEST(Journal, ARecordPastTheBoundsOrMalformedIsDamage)
{
    auto text = [](const std::string& s) { return std::string(1, static_cast<char>(s.size())) + s; };
    const std::string good = Lookup(1, "house");
    const std::string tooLongWord = std::string("\x01") + "\x81\x02" + std::string(MAX_WORD_BYTES + 1, 'w')
        + std::string(4, '\0');
    for (const std::string& bad : {
             Framed(1, "\x01" + text("") + text("") + text("") + text("") + text("")),           // empty word
             Framed(1, "\x01" + text("w") + text("e")),                                          // fields missing
             Framed(1, "\x01" + text("w") + text("") + text("") + text("") + text("") + "x"),    // a byte too many
             Framed(1, tooLongWord),                                                             // word past its bound
             Framed(2, "\x01" + text("w") + "\x02"),                                             // a star neither on nor off
             Framed(4, "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x01"),                          // a number past 64 bits
             Framed(5, std::string("\x05\x01\x01\x00", 4) + text("w") + text("") + text("") + text("") + text("")),
             Framed(5, std::string("\x01\x01\x00\x00", 4) + text("w") + text("") + text("") + text("") + text("")),
         }) {
        const HistoryRead read = ReadHistory(good + bad + good);
        EXPECT_TRUE(read.damaged) << testing::PrintToString(bad);
        EXPECT_EQ(read.goodBytes, good.size()) << testing::PrintToString(bad);
    }
    // The last two above: a first time after the last, and a count of 0.
    EXPECT_EQ(RecordsOf(Framed(5, std::string("\x01\x05\x01\x00", 4) + text("w") + text("") + text("") + text("")
                                      + text(""))).size(), 1u) << "the same record with its numbers right is good";
    JournalScan scan;
    EXPECT_EQ(RecordsOf(good + Framed(77, "from a newer Zeto") + good, &scan).size(), 2u);
    EXPECT_FALSE(scan.damaged) << "a record of a kind unknown here is skipped";
}

TEST(Journal, NoMoreWordsThanTheBoundAreTaken)
{
    std::string bytes;
    for (std::size_t i = 0; i <= MAX_WORDS; ++i)
        bytes += Lookup(i, "w" + std::to_string(i));
    const HistoryRead read = ReadHistory(bytes + Lookup(1, "w0"));
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.history.Size(), MAX_WORDS);
    EXPECT_EQ(read.goodBytes, bytes.size() - Lookup(MAX_WORDS, "w" + std::to_string(MAX_WORDS)).size());
}

TEST(Journal, Crc32IsTheZipOne)
{
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32("56789", Crc32("1234")), 0xCBF43926u) << "it can be carried on";
}

} // namespace

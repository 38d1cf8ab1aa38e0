// Damaged and unreadable dictionary files at start-up. Whole records before
// the damage are kept, the user's own file still loads after a damaged base,
// a file that cannot be opened is reported, and no file loses a byte.
#include "tests/faults/FaultFixture.h"
#include "tests/support/Cp1251Text.h"

#include <windows.h>

#include <cstdlib>

namespace {

const char NOT_FOUND_BOX[] = "File data.dat or NewData.dat not found!";

class DataFileFaultTest : public FaultFixture {
protected:
    void StartOver(const std::string& data, const std::string& newData)
    {
        support::WriteFileBytes("data.dat", data);
        support::WriteFileBytes("NewData.dat", newData);
        StartDialog();
    }

    // What a lookup in the running dialog's dictionary gives.
    std::string Find(const char* word) { return m_dlg->m_dictionary.Lookup(word); }

    // Closing keeps both files byte for byte.
    void ExpectFilesKept(const std::string& data, const std::string& newData)
    {
        m_dlg->DestroyWindow();
        EXPECT_EQ(support::ReadFileBytes("data.dat"), data);
        EXPECT_EQ(support::ReadFileBytes("NewData.dat"), newData);
    }

    const std::string userWords = support::RecordBytes("yours", u8"твой"_cp1251);
};

TEST_F(DataFileFaultTest, RecordCutMidwayKeepsTheWholeOnesBeforeIt)
{
    std::string cut = support::RecordBytes("zebra", u8"зебра"_cp1251);
    cut.resize(5);   // length, word bytes, and the file ends
    const std::string data =
        support::RecordBytes("apple", u8"ябълка"_cp1251) + support::RecordBytes("table", u8"маса"_cp1251) + cut;
    StartOver(data, userWords);
    EXPECT_EQ(m_dlg->m_bReady, 1);
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_EQ(Find("apple"), u8"ябълка"_cp1251);
    EXPECT_EQ(Find("table"), u8"маса"_cp1251);
    EXPECT_EQ(Find("zebra"), u8"Няма такава дума"_cp1251);
    EXPECT_EQ(Find("yours"), u8"твой"_cp1251);
    ExpectResponsive();
    ExpectFilesKept(data, userWords);
}

TEST_F(DataFileFaultTest, LengthFieldPointingPastTheEnd)
{
    const std::string data = support::RecordBytes("apple", u8"ябълка"_cp1251) + "\xFF\xFF\x9E\x9D";
    StartOver(data, userWords);
    EXPECT_EQ(m_dlg->m_bReady, 1);
    EXPECT_EQ(Find("apple"), u8"ябълка"_cp1251);
    EXPECT_EQ(Find("yours"), u8"твой"_cp1251);
    ExpectResponsive();
    ExpectFilesKept(data, userWords);
}

TEST_F(DataFileFaultTest, RandomBytes)
{
    std::srand(20261208);
    std::string data(65536 + 777, '\0');   // over one read buffer of the loader
    for (char& b : data)
        b = static_cast<char>(std::rand());
    StartOver(data, userWords);
    EXPECT_EQ(m_dlg->m_bReady, 1);
    // The user's file follows the garbage and is searched from the tail.
    EXPECT_EQ(Find("yours"), u8"твой"_cp1251);
    ExpectResponsive();
    ExpectFilesKept(data, userWords);
}

TEST_F(DataFileFaultTest, ZeroLengthFiles)
{
    StartOver("", "");
    EXPECT_EQ(m_dlg->m_bReady, 1);
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, 0);
    EXPECT_EQ(Find("apple"), u8"Няма такава дума"_cp1251);
    ExpectResponsive();
    ExpectFilesKept("", "");
}

TEST_F(DataFileFaultTest, UnreadableBaseDictionaryIsReported)
{
    // A folder where data.dat should be: it exists, and cannot be read.
    ASSERT_TRUE(::CreateDirectoryA("data.dat", nullptr));
    support::WriteFileBytes("NewData.dat", userWords);
    StartDialog();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, NOT_FOUND_BOX);
    EXPECT_EQ(boxes.Seen()[0].caption, "Error");
    EXPECT_EQ(m_dlg->m_bReady, 0);
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, 0);
    ExpectResponsive();
    m_dlg->DestroyWindow();
    EXPECT_EQ(support::ReadFileBytes("NewData.dat"), userWords);
    ::RemoveDirectoryA("data.dat");
}

TEST_F(DataFileFaultTest, MissingUserFileIsReportedAndNotCreated)
{
    const std::string data = support::RecordBytes("apple", u8"ябълка"_cp1251);
    support::WriteFileBytes("data.dat", data);
    StartDialog();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, NOT_FOUND_BOX);
    EXPECT_EQ(m_dlg->m_bReady, 0);
    ExpectResponsive();
    m_dlg->DestroyWindow();
    EXPECT_EQ(support::ReadFileBytes("data.dat"), data);
    EXPECT_EQ(::GetFileAttributesA("NewData.dat"), INVALID_FILE_ATTRIBUTES);
}

} // namespace

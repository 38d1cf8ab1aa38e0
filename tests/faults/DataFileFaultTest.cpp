// Damaged and unreadable dictionary files at start-up. Whole records before
// the damage are kept, the user's own file still loads after a damaged base,
// a file that cannot be opened is reported, and no file loses a byte.
#include "tests/faults/FaultFixture.h"

#include <windows.h>

#include <cstdlib>

namespace {

const char NOT_FOUND_BOX[] = "File data.dat or NewData.dat not found!";

class DataFileFaultTest : public FaultFixture {
protected:
    void StartOver(const Bytes& data, const Bytes& newData)
    {
        WriteBytes("data.dat", data);
        WriteBytes("NewData.dat", newData);
        StartDialog();
    }

    // What a lookup in the running dialog's dictionary gives.
    std::string Find(const char* word) { return dlg.m_dictionary.Lookup(word); }

    // Closing keeps both files byte for byte.
    void ExpectFilesKept(const Bytes& data, const Bytes& newData)
    {
        dlg.DestroyWindow();
        EXPECT_EQ(ReadBytes("data.dat"), data);
        EXPECT_EQ(ReadBytes("NewData.dat"), newData);
    }

    const Bytes userWords = Record("yours", "твой");
};

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST_F(DataFileFaultTest, RecordCutMidwayKeepsTheWholeOnesBeforeIt)
{
    Bytes cut = Record("zebra", "зебра");
    cut.resize(5);   // length, word bytes, and the file ends
    const Bytes data = Concat({Record("apple", "ябълка"), Record("table", "маса"), cut});
    StartOver(data, userWords);
    EXPECT_EQ(dlg.m_bReady, 1);
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_EQ(Find("apple"), "ябълка");
    EXPECT_EQ(Find("table"), "маса");
    EXPECT_EQ(Find("zebra"), "Няма такава дума");
    EXPECT_EQ(Find("yours"), "твой");
    ExpectResponsive();
    ExpectFilesKept(data, userWords);
}

TEST_F(DataFileFaultTest, LengthFieldPointingPastTheEnd)
{
    const Bytes data = Concat({Record("apple", "ябълка"), Bytes{0xFF, 0xFF, 0x9E, 0x9D}});
    StartOver(data, userWords);
    EXPECT_EQ(dlg.m_bReady, 1);
    EXPECT_EQ(Find("apple"), "ябълка");
    EXPECT_EQ(Find("yours"), "твой");
    ExpectResponsive();
    ExpectFilesKept(data, userWords);
}

TEST_F(DataFileFaultTest, RandomBytes)
{
    std::srand(20261208);
    Bytes data(65536 + 777);   // over one read buffer of the loader
    for (unsigned char& b : data)
        b = static_cast<unsigned char>(std::rand());
    StartOver(data, userWords);
    EXPECT_EQ(dlg.m_bReady, 1);
    // The user's file follows the garbage and is searched from the tail.
    EXPECT_EQ(Find("yours"), "твой");
    ExpectResponsive();
    ExpectFilesKept(data, userWords);
}

TEST_F(DataFileFaultTest, ZeroLengthFiles)
{
    StartOver({}, {});
    EXPECT_EQ(dlg.m_bReady, 1);
    EXPECT_EQ(dlg.m_dictionary.m_nCount, 0);
    EXPECT_EQ(Find("apple"), "Няма такава дума");
    ExpectResponsive();
    ExpectFilesKept({}, {});
}

TEST_F(DataFileFaultTest, UnreadableBaseDictionaryIsReported)
{
    // A folder where data.dat should be: it exists, and cannot be read.
    ASSERT_TRUE(::CreateDirectoryA("data.dat", nullptr));
    WriteBytes("NewData.dat", userWords);
    StartDialog();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, NOT_FOUND_BOX);
    EXPECT_EQ(boxes.Seen()[0].caption, "Error");
    EXPECT_EQ(dlg.m_bReady, 0);
    EXPECT_EQ(dlg.m_dictionary.m_nCount, 0);
    ExpectResponsive();
    dlg.DestroyWindow();
    EXPECT_EQ(ReadBytes("NewData.dat"), userWords);
    ::RemoveDirectoryA("data.dat");
}

TEST_F(DataFileFaultTest, MissingUserFileIsReportedAndNotCreated)
{
    const Bytes data = Record("apple", "ябълка");
    WriteBytes("data.dat", data);
    StartDialog();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, NOT_FOUND_BOX);
    EXPECT_EQ(dlg.m_bReady, 0);
    ExpectResponsive();
    dlg.DestroyWindow();
    EXPECT_EQ(ReadBytes("data.dat"), data);
    EXPECT_EQ(::GetFileAttributesA("NewData.dat"), INVALID_FILE_ATTRIBUTES);
}

} // namespace

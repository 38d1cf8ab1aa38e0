// Add New Word through the real "New word" dialog: the exact record in
// NewData.dat, the word found at once and after a restart, and the cases in
// which nothing may be written: a read-only or full file, a translation too
// long for the format, Cancel, Enter.
#include "tests/support/Cp1251Text.h"
#include "tests/typing/HostTools.h"
#include "tests/typing/MainDialogFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace typing;

namespace {

const char NEW_WORD[] = "New word";
const std::string ABC_X = std::string("\x03\x00\x9E\x9D\x9C\x01\x00\x87", 8);

class AddNewWordTest : public MainDialogTest {
protected:
    // Runs the command; the dialog gets word and translation and its "&OK".
    void AddWord(const std::string& word, const std::string& translation, DialogScript& script)
    {
        script.Then(Caption(NEW_WORD), [=](HWND dlg) {
            SetText(dlg, IDC_NEW_WORD, word);
            SetText(dlg, IDC_NEW_TRANSLATION, translation);
            PostClick(dlg, IDC_NEW_WORD_OK);
        });
    }
    void RunCommand() { ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_ADD_NEW_WORD, 0); }
    // Adds word and translation when the command is to end in one message
    // box whose text holds `mention`; the box is answered OK.
    void AddWordExpectingOneBox(const std::string& word, const std::string& translation, const char* mention)
    {
        DialogScript script;
        AddWord(word, translation, script);
        script.AnswerBox();
        RunCommand();
        ASSERT_TRUE(script.Done());
        ASSERT_EQ(script.boxTexts.size(), 1u);
        EXPECT_NE(script.boxTexts[0].find(mention), std::string::npos) << script.boxTexts[0];
    }
    std::string LookUp(const std::string& word)
    {
        SetInput(word);
        return ItemText(IDC_TRANSLATION);
    }
    std::string NewData() const { return support::ReadFileBytes(m_dir->File("NewData.dat")); }
};

// 61 letters and CR LF: long texts in lines, which the edit lays out fast.
std::string Lines(std::size_t bytes)
{
    std::string text;
    while (text.size() < bytes)
        text += (text.size() % 63 == 61) ? (text.size() + 1 < bytes ? std::string("\r\n") : "\r") : "t";
    return text.substr(0, bytes);
}

// The working directory on a small file system of its own (a tmpfs mounted
// on the spot, which needs root), so that it can be filled up or made
// read-only for real.
class MountedDirTest : public AddNewWordTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        m_dir.reset();
        m_dir = std::make_unique<support::ScratchDir>(SmallDisk::PARENT);
        m_disk = std::make_unique<SmallDisk>(*m_dir);
    }
    void TearDown() override
    {
        CloseMainDialog();
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        ::SetCurrentDirectoryA(temp);
        m_disk.reset();
        m_dir.reset();
    }
    // The file holds old, a few bytes short of a whole page of the tmpfs.
    static std::string OldRecord() { return support::RecordBytes("old", std::string(4090 - 4 - 3, 'o')); }

    std::unique_ptr<SmallDisk> m_disk;
};

TEST_F(AddNewWordTest, AbcAndXOnAnEmptyFileLeaveExactlyOneRecordFoundAtOnceAndAfterARestart)
{
    OpenMainDialog();
    int count = m_dlg->m_dictionary.m_nCount;
    DialogScript script;
    AddWord("abc", "x", script);
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(Hex(NewData()), Hex(ABC_X));
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, count + 1);
    EXPECT_STREQ(m_dlg->m_dictionary.GetTail()->pair.GetWord(), "abc");
    EXPECT_EQ(LookUp("abc"), "x");

    CloseMainDialog();
    OpenMainDialog();
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, count + 1);
    EXPECT_EQ(LookUp("abc"), "x");
}

// Whatever the system's code page (ctest runs this again under 1252, an
// English Windows), a Bulgarian translation goes into the file as
// Windows-1251 bytes and is found after a restart.
TEST_F(AddNewWordTest, ABulgarianTranslationIsStoredAsWindows1251AndFoundAfterARestart)
{
    if (const char* acp = std::getenv("WORDLUMO_EXPECT_ACP")) {
        ASSERT_EQ(std::to_string(::GetACP()), acp);
    }
    const std::string kite = u8"хвърчило"_cp1251;
    OpenMainDialog();
    DialogScript script;
    AddWord("kite", kite, script);
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(Hex(NewData()), Hex(support::RecordBytes("kite", kite)));

    CloseMainDialog();
    OpenMainDialog();
    EXPECT_EQ(LookUp("kite"), kite);
}

TEST_F(AddNewWordTest, AMissingFileIsCreatedWithTheOneRecord)
{
    OpenMainDialog();
    ASSERT_TRUE(::DeleteFileA(m_dir->File("NewData.dat").c_str()));
    DialogScript script;
    AddWord("abc", "x", script);
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(Hex(NewData()), Hex(ABC_X));
    EXPECT_EQ(LookUp("abc"), "x");
}

TEST_F(AddNewWordTest, PairsAreAppendedAfterWhatTheFileHeldEvenTwiceTheSameWord)
{
    std::string old = support::RecordBytes("old", u8"стар"_cp1251);
    support::WriteZetoFiles(TestWords(), old);
    OpenMainDialog();
    DialogScript script;
    AddWord("kite", u8"хвърчило\r\nвтори ред"_cp1251, script);
    AddWord("kite", u8"змей"_cp1251, script);
    RunCommand();
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(Hex(NewData()),
              Hex(old + support::RecordBytes("kite", u8"хвърчило\r\nвтори ред"_cp1251)
                  + support::RecordBytes("kite", u8"змей"_cp1251)));
    // Words from K on are searched from the tail: the latest pair wins.
    EXPECT_EQ(LookUp("kite"), u8"змей"_cp1251);
}

// A record cut short at the end of the file would swallow the new one: its
// bytes move to a file of their own, and the new word is there after a restart.
TEST_F(AddNewWordTest, ACutRecordAtTheEndIsSetAsideAndTheNewWordSurvivesARestart)
{
    const std::string old = support::RecordBytes("old", u8"стар"_cp1251);
    const std::string cut = support::RecordBytes("cut", u8"срязан"_cp1251).substr(0, 6);
    support::WriteZetoFiles(TestWords(), old + cut);
    OpenMainDialog();
    ASSERT_NO_FATAL_FAILURE(AddWordExpectingOneBox("abc", "x", "NewData.dat.damaged"));
    EXPECT_EQ(Hex(NewData()), Hex(old + ABC_X));
    EXPECT_EQ(Hex(support::ReadFileBytes(m_dir->File("NewData.dat.damaged"))), Hex(cut));

    CloseMainDialog();
    OpenMainDialog();
    EXPECT_EQ(LookUp("abc"), "x");
    EXPECT_EQ(LookUp("old"), u8"стар"_cp1251);
}

TEST_F(AddNewWordTest, AWordOf255CharactersIsStoredWholeAndTheBoxTakesNoMore)
{
    OpenMainDialog();
    std::string word(255, 'w');
    LRESULT limit = 0;
    DialogScript script;
    script.Then(Caption(NEW_WORD), [&](HWND dlg) {
        limit = ::SendDlgItemMessageA(dlg, IDC_NEW_WORD, EM_GETLIMITTEXT, 0, 0);
        SetText(dlg, IDC_NEW_WORD, word);
        HWND box = ::GetDlgItem(dlg, IDC_NEW_WORD);
        ::SendMessageA(box, EM_SETSEL, 255, 255);
        ::SendMessageA(box, WM_CHAR, 'x', 1);   // typed: refused by the limit
        PostClick(dlg, IDC_NEW_WORD_OK);
    });
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(limit, 255);
    EXPECT_EQ(Hex(NewData()), Hex(support::RecordBytes(word, "")));
    EXPECT_EQ(NewData().substr(0, 2), std::string("\xFF\x00", 2));
}

TEST_F(AddNewWordTest, ATranslationOf65535BytesFitsAndOneMoreIsRefusedWithNothingWritten)
{
    OpenMainDialog();
    int count = m_dlg->m_dictionary.m_nCount;
    ASSERT_NO_FATAL_FAILURE(AddWordExpectingOneBox("long", Lines(65536), "65535"));
    EXPECT_EQ(NewData(), "");
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, count);

    DialogScript fits;
    AddWord("long", Lines(65535), fits);
    RunCommand();
    ASSERT_TRUE(fits.Done());
    EXPECT_EQ(NewData().size(), 4u + 4u + 65535u);
    EXPECT_EQ(NewData().substr(6, 2), std::string("\xFF\xFF", 2));
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, count + 1);
}

TEST_F(AddNewWordTest, CancelAddsNothing)
{
    OpenMainDialog();
    int count = m_dlg->m_dictionary.m_nCount;
    DialogScript script;
    script.Then(Caption(NEW_WORD), [](HWND dlg) {
        SetText(dlg, IDC_NEW_WORD, "abc");
        PostClick(dlg, IDCANCEL);
    });
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(NewData(), "");
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, count);
}

TEST_F(AddNewWordTest, EnterLeavesTheDialogOpenOnlyOkAccepts)
{
    OpenMainDialog();
    HWND seen = nullptr;
    DialogScript script;
    script.Then(Caption(NEW_WORD), [&](HWND dlg) {
        seen = dlg;
        SetText(dlg, IDC_NEW_WORD, "abc");
        SetText(dlg, IDC_NEW_TRANSLATION, "x");
        HWND word = ::GetDlgItem(dlg, IDC_NEW_WORD);
        ::SetFocus(word);
        ::PostMessageA(word, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        ::PostMessageA(word, WM_KEYUP, VK_RETURN, 0xC01C0001);
    });
    // Timer ticks come only when no posted message waits: Enter is done.
    script.Then(Caption(NEW_WORD), [&](HWND dlg) {
        EXPECT_EQ(dlg, seen);
        EXPECT_EQ(support::ReadFileBytes("NewData.dat"), "") << "Enter accepted the pair";
        PostClick(dlg, IDC_NEW_WORD_OK);
    });
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(Hex(NewData()), Hex(ABC_X));
}

TEST_F(MountedDirTest, AFullDiskKeepsTheFileAsItWasTheUserIsToldAndTheListIsUnchanged)
{
    if (!m_disk->Mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    const std::string old = OldRecord();
    ASSERT_EQ(old.size(), 4090u);
    support::WriteZetoFiles(TestWords(), old);
    // Fill every page left; appending to NewData.dat then needs a new one.
    m_disk->Fill();
    ASSERT_EQ(host::Run({"sh", "-c", "test $(df --output=avail -k '" + m_disk->UnixPath() + "' | tail -1) -eq 0"}), 0);

    OpenMainDialog();
    int count = m_dlg->m_dictionary.m_nCount;
    ASSERT_NO_FATAL_FAILURE(AddWordExpectingOneBox("abc", "x", "NewData.dat"));
    EXPECT_EQ(NewData().size(), old.size());
    EXPECT_TRUE(NewData() == old) << "the partial record was not taken back";
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, count);
    EXPECT_EQ(LookUp("abc"), u8"Няма такава дума"_cp1251);

    // With room again the same word goes in whole, right after the old record.
    ::DeleteFileA(m_dir->File("filler").c_str());
    DialogScript again;
    AddWord("abc", "x", again);
    RunCommand();
    ASSERT_TRUE(again.Done());
    EXPECT_TRUE(NewData() == old + ABC_X);
    EXPECT_EQ(LookUp("abc"), "x");
}

TEST_F(MountedDirTest, AReadOnlyFileKeepsItsBytesTheUserIsToldAndTheListIsUnchanged)
{
    const std::string old = support::RecordBytes("old", u8"стар"_cp1251);
    support::WriteZetoFiles(TestWords(), old);
    if (m_disk->Mounted()) {
        // Root writes through a read-only attribute; not through a read-only mount.
        ASSERT_EQ(host::Run({"mount", "-o", "remount,ro", m_disk->UnixPath()}), 0);
    } else {
        ASSERT_TRUE(::SetFileAttributesA(m_dir->File("NewData.dat").c_str(), FILE_ATTRIBUTE_READONLY));
    }
    OpenMainDialog();
    int count = m_dlg->m_dictionary.m_nCount;

    ASSERT_NO_FATAL_FAILURE(AddWordExpectingOneBox("abc", "x", "NewData.dat"));
    EXPECT_EQ(Hex(NewData()), Hex(old));
    EXPECT_EQ(m_dlg->m_dictionary.m_nCount, count);
    EXPECT_EQ(LookUp("abc"), u8"Няма такава дума"_cp1251);
}

} // namespace

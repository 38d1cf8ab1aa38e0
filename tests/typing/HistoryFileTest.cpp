// History.dat seen from outside: Zeto.exe in its own working directory keeps
// the typed words the user settles on (every way of settling: the keyboard
// input test), loses at most the last one when it is
// killed in the middle of a burst, keeps a damaged file aside, loses only the
// entry a failed write was for, keeps nothing with Keep History off, and
// writes the file empty on Clear History; the History window lists the
// words and translates the one chosen. (Words selected in other
// applications: the Notepad end-to-end test.)
#include "notebook/History.h"
#include "notebook/HistoryBook.h"
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/WindowText.h"
#include "tests/support/ZetoProcess.h"
#include "tests/typing/HostTools.h"
#include "tests/typing/MainDialogFixture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

using namespace typing;

namespace {

// Words of TestWords() that are looked up as typed, and their translations in UTF-8.
const char* const PLAIN_WORDS[] = {"apple", "apricot", "banana", "cherry", "grape", "hat",   "jam",
                                   "kite",  "lemon",   "mango",  "nut",    "pear",  "plum", "rose"};
const std::string APPLE_BG = u8"ябълка";
const std::string BANANA_BG = u8"банан";

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

class HistoryFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::make_unique<support::ScratchDir>();
        support::WriteZetoFiles(TestWords());
    }
    std::string File(const char* name) const { return support::ReadFileBytes(m_dir->File(name)); }
    std::string Journal() const
    {
        const std::string bytes = File("History.dat");
        return bytes == "<missing>" ? std::string() : bytes;
    }
    notebook::HistoryRead Read() const { return notebook::ReadHistory(Journal()); }
    std::uint32_t Count(const char* word) const
    {
        const notebook::Row* row = Read().history.Find(word);
        return row ? row->count : 0;
    }
    static std::string Translation(HWND main) { return support::TextOf(::GetDlgItem(main, IDC_TRANSLATION)); }
    // The word typed (as the box gets it whole) and Enter pressed: recorded
    // by the time the second message comes back.
    static bool Settle(HWND main, const std::string& word, DWORD timeoutMs = 15000)
    {
        DWORD_PTR result = 0;
        return ::SendMessageTimeoutW(::GetDlgItem(main, IDC_INPUT), WM_SETTEXT, 0, (LPARAM)Wide(word).c_str(),
                                     SMTO_NORMAL, timeoutMs, &result) &&
               ::SendMessageTimeoutA(main, WM_COMMAND, IDOK, 0, SMTO_NORMAL, timeoutMs, &result);
    }

    std::unique_ptr<support::ScratchDir> m_dir;
};

TEST_F(HistoryFileTest, TypedWordsSettledOnAreKeptWithTheirCountsAndReadings)
{
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    ASSERT_TRUE(Settle(main, "apple"));
    ASSERT_TRUE(Settle(main, "Apple"));
    ASSERT_TRUE(Settle(main, "banana"));
    ASSERT_TRUE(Settle(main, "qqqq")) << "not found: not kept";
    ::SendMessageA(main, WM_COMMAND, IDOK, 0);   // Enter again: nothing new to keep

    notebook::HistoryRead read = Read();
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.history.Size(), 2u);
    const notebook::Row* apple = read.history.Find("apple");
    ASSERT_TRUE(apple);
    EXPECT_EQ(apple->count, 2u);
    EXPECT_EQ(apple->word, "Apple") << "the spelling of the latest lookup";
    EXPECT_EQ(apple->translation, APPLE_BG);
    EXPECT_EQ(apple->application, "");
    EXPECT_EQ(Count("banana"), 1u);

    EXPECT_TRUE(zeto.Close());
    EXPECT_EQ(Read().history.Size(), 2u);
}

// Each Enter comes back only once its entry is in the file, so every one
// that came back is there; the one under way when the process ended may be
// missing, or torn, which the next start cuts off without a word.
TEST_F(HistoryFileTest, KilledInTheMiddleOfABurstItLosesAtMostTheLastEntry)
{
    std::atomic<int> settled{0};
    std::atomic<bool> stop{false};
    {
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        std::thread typist([&] {
            for (int i = 0; !stop; ++i) {
                if (!Settle(main, PLAIN_WORDS[i % (sizeof PLAIN_WORDS / sizeof PLAIN_WORDS[0])], 5000))
                    return;
                ++settled;
            }
        });
        const bool going = support::PumpUntil([&] { return settled >= 40; }, 60000);
        EXPECT_TRUE(zeto.Kill());
        stop = true;
        typist.join();
        ASSERT_TRUE(going);
    }
    notebook::HistoryRead read = Read();
    EXPECT_FALSE(read.damaged);
    std::uint32_t kept = 0;
    for (const notebook::Row& row : read.history.Rows())
        kept += row.count;
    EXPECT_GE(kept, (std::uint32_t)settled.load());
    EXPECT_LE(kept, (std::uint32_t)settled.load() + 1);

    const std::string before = Journal();
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    EXPECT_FALSE(Has(Translation(main), "History.dat")) << Translation(main);
    EXPECT_TRUE(Journal() == before.substr(0, read.goodBytes));
    EXPECT_EQ(File("History.dat.damaged"), "<missing>");
    const std::uint32_t apples = Count("apple");
    ASSERT_TRUE(Settle(main, "apple"));
    EXPECT_EQ(Count("apple"), apples + 1);
    EXPECT_FALSE(Read().damaged);
    EXPECT_TRUE(zeto.Close());
}

TEST_F(HistoryFileTest, ADamagedFileIsKeptAsideAndCutAndATornLastRecordIsCutWithoutAWord)
{
    const std::string good = notebook::EncodeLookup(1700000000, "house", "house", u8"къща", "", "Notepad") +
                             notebook::EncodeLookup(1700000100, "apple", "apple", APPLE_BG, "", "Notepad");
    const std::string damaged = good + std::string(40, '\xAB');
    support::WriteFileBytes(m_dir->File("History.dat"), damaged);
    {
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        EXPECT_TRUE(Has(Translation(main), "History.dat.damaged")) << Translation(main);
        EXPECT_TRUE(File("History.dat.damaged") == damaged);
        EXPECT_TRUE(Journal() == good);
        ASSERT_TRUE(Settle(main, "banana"));
        EXPECT_TRUE(zeto.Close());
    }
    notebook::HistoryRead read = Read();
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.history.Size(), 3u);
    EXPECT_EQ(read.history.Find("house")->translation, u8"къща");

    const std::string torn = notebook::EncodeLookup(1700000200, "plum", "plum", u8"слива", "", "");
    support::WriteFileBytes(m_dir->File("History.dat"), good + torn.substr(0, torn.size() - 3));
    ASSERT_TRUE(::DeleteFileA(m_dir->File("History.dat.damaged").c_str()));
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    EXPECT_FALSE(Has(Translation(main), "History.dat")) << Translation(main);
    EXPECT_TRUE(Journal() == good);
    EXPECT_EQ(File("History.dat.damaged"), "<missing>");
    EXPECT_TRUE(zeto.Close());
}

// Another program holding History.dat without letting it be written (a
// backup, a scanner): the entries of that while are lost and said once;
// what came before and after is all there.
TEST_F(HistoryFileTest, AFileThatCannotBeWrittenLosesOnlyItsEntriesAndSaysSoOnce)
{
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    ASSERT_TRUE(Settle(main, "apple"));
    const std::string before = Journal();
    ASSERT_FALSE(before.empty());
    HANDLE holder = ::CreateFileA(m_dir->File("History.dat").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(Settle(main, "banana"));
    EXPECT_TRUE(Has(Translation(main), "History.dat")) << Translation(main);
    ASSERT_TRUE(Settle(main, "cherry"));
    EXPECT_EQ(Translation(main), u8"череша"_cp1251) << "said once";
    ::CloseHandle(holder);
    EXPECT_TRUE(Journal() == before);
    ASSERT_TRUE(Settle(main, "plum"));
    notebook::HistoryRead read = Read();
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.history.Size(), 2u);
    EXPECT_EQ(Count("apple"), 1u);
    EXPECT_EQ(Count("plum"), 1u);
    EXPECT_TRUE(zeto.Close());
}

// The working directory on a small file system of its own (a tmpfs mounted
// on the spot, which needs root), filled up: a write falls short and is cut
// back off the file.
TEST_F(HistoryFileTest, AFullDiskLosesOnlyTheEntryItCouldNotTake)
{
    ASSERT_TRUE(host::Available());
    m_dir.reset();
    m_dir = std::make_unique<support::ScratchDir>(SmallDisk::PARENT);
    SmallDisk disk(*m_dir);
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    support::WriteZetoFiles(TestWords());
    // The file ends just short of a page, so the next record needs a block
    // the full disk has not got.
    std::string old, padding;
    for (int i = 0; i < 3; ++i) {
        old = notebook::EncodeLookup(1700000000, "apple", "apple", APPLE_BG + padding, "", "");
        padding.resize(padding.size() + 4090 - old.size(), '.');
    }
    ASSERT_EQ(old.size(), 4090u);
    support::WriteFileBytes(m_dir->File("History.dat"), old);
    disk.Fill();

    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    ASSERT_TRUE(Settle(main, "banana"));
    EXPECT_TRUE(Has(Translation(main), "History.dat")) << Translation(main);
    EXPECT_TRUE(Journal() == old);
    ASSERT_TRUE(::DeleteFileA(m_dir->File("filler").c_str()));
    ASSERT_TRUE(Settle(main, "cherry"));
    notebook::HistoryRead read = Read();
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.history.Size(), 2u);
    EXPECT_EQ(Count("banana"), 0u);
    EXPECT_EQ(Count("cherry"), 1u);
    EXPECT_TRUE(zeto.Close());
}

TEST_F(HistoryFileTest, WithKeepHistoryOffNothingIsWrittenUntilItIsOnAgain)
{
    support::WriteFileBytes(m_dir->File("Zeto.ini"), "[Zeto]\r\nKeepHistory=0\r\n");
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    ASSERT_TRUE(Settle(main, "apple"));
    EXPECT_EQ(File("History.dat"), "<missing>");
    ::SendMessageA(main, WM_COMMAND, ID_KEEP_HISTORY, 0);
    EXPECT_TRUE(Has(File("Zeto.ini"), "KeepHistory=1\r\n")) << File("Zeto.ini");
    EXPECT_EQ(File("History.dat"), "<missing>") << "switching on writes nothing by itself";
    ASSERT_TRUE(Settle(main, "banana"));
    EXPECT_EQ(Read().history.Size(), 1u);
    EXPECT_EQ(Count("banana"), 1u);

    ::SendMessageA(main, WM_COMMAND, ID_KEEP_HISTORY, 0);
    EXPECT_TRUE(Has(File("Zeto.ini"), "KeepHistory=0\r\n")) << File("Zeto.ini");
    const std::string before = Journal();
    ASSERT_TRUE(Settle(main, "cherry"));
    HWND input = ::GetDlgItem(main, IDC_INPUT);
    ::SendMessageW(input, WM_SETTEXT, 0, (LPARAM)L"plum");   // left alone: not kept either
    EXPECT_TRUE(Journal() == before);
    EXPECT_TRUE(zeto.Close());
    EXPECT_TRUE(Journal() == before);
}

TEST_F(HistoryFileTest, ClearHistoryAsksFirstAndThenWritesTheFileEmpty)
{
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    ASSERT_TRUE(Settle(main, "apple"));
    ASSERT_TRUE(Settle(main, "banana"));
    const std::string kept = Journal();
    ASSERT_EQ(Read().history.Size(), 2u);

    auto answer = [&](int button) {
        ::PostMessageA(main, WM_COMMAND, ID_CLEAR_HISTORY, 0);
        HWND box = nullptr;
        ASSERT_TRUE(support::PumpUntil([&] { return (box = zeto.Dialog("Zeto")) != nullptr; }, 15000));
        EXPECT_EQ(support::TextOf(::GetDlgItem(box, 0xFFFF)), "Clear the whole history?");
        ::PostMessageA(box, WM_COMMAND, button, 0);
        ASSERT_TRUE(support::PumpUntil([&] { return !::IsWindow(box); }, 15000));
        ::SendMessageA(main, WM_NULL, 0, 0);   // the command is done
    };
    answer(IDNO);
    EXPECT_TRUE(Journal() == kept);
    answer(IDYES);
    EXPECT_EQ(File("History.dat"), "");
    ASSERT_TRUE(Settle(main, "cherry"));
    EXPECT_EQ(Read().history.Size(), 1u);
    EXPECT_EQ(Count("cherry"), 1u);
    EXPECT_TRUE(zeto.Close());
}

// In-process, the book itself: at the start and whenever the file has grown
// by a quarter, a history past the cap is rewritten with the starred and the
// newest words, in one rename.
// Tools -> History... lists the words kept; a search narrows the list and
// Enter translates its word in the main window. File -> Export Words...
// opens its dialog.
TEST_F(HistoryFileTest, TheHistoryWindowListsTheWordsAndTranslatesTheOneChosen)
{
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    ASSERT_TRUE(Settle(main, "apple"));
    ASSERT_TRUE(Settle(main, "banana"));
    ::SendMessageW(::GetDlgItem(main, IDC_INPUT), WM_SETTEXT, 0, (LPARAM)L"");
    ::PostMessageA(main, WM_COMMAND, ID_HISTORY, 0);
    HWND window = nullptr;
    ASSERT_TRUE(support::PumpUntil([&] { return (window = zeto.Dialog("History")) != nullptr; }, 15000));
    HWND list = ::GetDlgItem(window, IDC_HISTORY_LIST);
    EXPECT_EQ(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    ::SendMessageW(::GetDlgItem(window, IDC_HISTORY_SEARCH), WM_SETTEXT, 0, (LPARAM)L"ban");
    EXPECT_TRUE(support::PumpUntil([&] { return ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }, 15000));
    ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(support::PumpUntil([&] { return Has(Translation(main), u8"банан"_cp1251); }, 15000))
        << Translation(main);
    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(support::PumpUntil([&] { return !::IsWindow(window); }, 15000));
    EXPECT_EQ(Count("banana"), 1u) << "looking at a word is no new lookup";

    ::PostMessageA(main, WM_COMMAND, ID_EXPORT_WORDS, 0);
    HWND exporter = nullptr;
    ASSERT_TRUE(support::PumpUntil([&] { return (exporter = zeto.Dialog("Export Words")) != nullptr; }, 15000));
    ::PostMessageA(exporter, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(support::PumpUntil([&] { return !::IsWindow(exporter); }, 15000));
    EXPECT_TRUE(zeto.Close());
}

TEST(HistoryBookTest, PastTheCapTheFileIsRewrittenWithTheStarredAndTheNewestWords)
{
    support::ScratchDir dir;
    const std::size_t cap = notebook::DEFAULT_MAX_WORDS;
    std::string journal;
    for (std::size_t i = 0; i < cap + 50; ++i) {
        notebook::Row row;
        row.word = row.entry = "w" + std::to_string(i);
        row.translation = "t";
        row.firstSeen = row.lastSeen = 1000 + i;
        row.count = 1;
        row.starred = i == 0;
        journal += notebook::EncodeWord(row);
    }
    support::WriteFileBytes(dir.File("History.dat"), journal);
    std::vector<std::string> notes;
    HistoryBook book([&](const std::string& note) { notes.push_back(note); });
    ASSERT_TRUE(book.Open());
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(book.Rows().Size(), cap);
    EXPECT_TRUE(book.Rows().Find("w0")) << "starred";
    EXPECT_FALSE(book.Rows().Find("w50")) << "the oldest unstarred words go";
    EXPECT_TRUE(book.Rows().Find("w51"));
    const std::string compacted = support::ReadFileBytes(dir.File("History.dat"));
    EXPECT_LT(compacted.size(), journal.size());
    EXPECT_EQ(notebook::ReadHistory(compacted).history.Size(), cap);
    EXPECT_EQ(support::ReadFileBytes(dir.File("History.dat.new")), "<missing>");

    // New words: past the cap until the file has grown by a quarter.
    const std::string translation(1000, 't');
    std::size_t added = 0, most = 0;
    while (added < 2000) {
        ASSERT_TRUE(book.Lookup(5000 + added, "new" + std::to_string(added), "", translation, "", ""));
        ++added;
        most = std::max(most, book.Rows().Size());
        if (book.Rows().Size() == cap)
            break;
    }
    EXPECT_EQ(book.Rows().Size(), cap) << "compacted again";
    EXPECT_GT(most, cap) << "not at every lookup";
    EXPECT_GE(added * (translation.size() + 8), compacted.size() / 4);
    EXPECT_TRUE(book.Rows().Find("w0"));
    EXPECT_TRUE(book.Rows().Find(("new" + std::to_string(added - 1)).c_str()));
    const notebook::HistoryRead read = notebook::ReadHistory(support::ReadFileBytes(dir.File("History.dat")));
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.history.Size(), cap);
}

} // namespace

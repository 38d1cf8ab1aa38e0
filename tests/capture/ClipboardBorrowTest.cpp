// What the user copied survives a borrow: clipboards that cannot be put back
// faithfully are not borrowed (and the user is told once), a big picture is
// copied once, a copy the user makes during the borrow stays, or between two
// borrows is the one saved, and a copy the target makes late is undone.
#include "CaptureWine.h"

#include "capture/ClipboardBorrow.h"
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

namespace {
using support::ClipboardBlock;

std::string Title(HWND hwnd)
{
    char title[128] = "";
    ::GetWindowTextA(hwnd, title, sizeof title);
    return title;
}

UINT Registered(const char* name) { return ::RegisterClipboardFormatA(name); }

// The main dialog with a counting target to select in.
struct Selecting {
    Selecting()
    {
        dlg.m_nCopyMethod = COPY_OTHER;
        dlg.m_mouseWatch.TakeEveryRelease();
        dlg.m_settings.copyWithCtrlC = 0;
    }
    int Select(const CopyTarget& in, const char* childClass)
    {
        return dlg.OnMouseSelection((WPARAM)in.Find(childClass), (LPARAM)in.top());
    }
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
};
}  // namespace

TEST(ClipboardBorrow, ObjectsAndPrivateFormatsAreNotBorrowedAndTheUserIsToldOnce)
{
    CopyTarget target("count", "Counting editor");
    Selecting s;
    ASSERT_TRUE(support::PutClipboardBlocks({{CF_TEXT, std::string("house", 6)}, {Registered("DataObject"), "ole"}}));
    DWORD sequence = ::GetClipboardSequenceNumber();
    s.Select(target, "CopyTargetCount");
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    EXPECT_EQ(u8"Клипбордът съдържа обект или файлове на друга програма: маркираното не се превежда, за да не се загуби съдържанието му"_cp1251,
              s.main.Translation());
    ::SetDlgItemTextA(s.dlg.m_hWnd, IDC_TRANSLATION, "");
    ASSERT_TRUE(support::PutClipboardBlocks(
        {{CF_TEXT, std::string("house", 6)}, {Registered("Wordlumo test private"), std::string("\x01\x02", 2)}}));
    sequence = ::GetClipboardSequenceNumber();
    s.Select(target, "CopyTargetCount");
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    EXPECT_EQ("Counting editor", Title(target.top())) << "no copy request";
    EXPECT_EQ("", s.main.Translation()) << "said once a run";
    EXPECT_EQ(std::string("\x01\x02", 2), ClipboardBlock(Registered("Wordlumo test private")));
}

// A 40 MB picture the system offers in three forms: the owner's one is
// copied and counted, and goes back byte for byte.
TEST(ClipboardBorrow, BigPictureIsCopiedOnceAndComesBack)
{
    CopyTarget target("count", "Counting editor");
    Selecting s;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = 3200;
    header.biHeight = 3200;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::string dib(reinterpret_cast<const char*>(&header), sizeof header);
    dib.resize(sizeof header + 3200u * 3200u * 4u, '\x5a');
    dib[sizeof header] = '\x01';
    ASSERT_LT(dib.size(), CLIPBOARD_SNAPSHOT_LIMIT);
    ASSERT_GT(2 * dib.size(), CLIPBOARD_SNAPSHOT_LIMIT);
    ASSERT_TRUE(support::PutClipboardBlocks({{CF_DIB, dib}}));
    EXPECT_EQ(1, s.Select(target, "CopyTargetCount"));
    EXPECT_EQ("copies: 1", Title(target.top())) << "borrowed";
    EXPECT_TRUE(support::PumpUntil([&] { return s.main.Translation() == u8"ябълка"_cp1251; }));
    EXPECT_TRUE(ClipboardBlock(CF_DIB) == dib) << "the picture is back, byte for byte";
}

// The user copies between Zeto's read and its restore, or while Zeto watches
// for a late copy after it: that copy is the newer one and stays.
TEST(ClipboardBorrow, CopyTheUserMakesDuringTheBorrowStays)
{
    CopyTarget target("count", "Counting editor");
    CaptureDialog main;
    ASSERT_TRUE(support::PutClipboardText("user's first copy"));
    ClipboardBorrow borrow;
    ASSERT_EQ(ClipboardBorrow::Start::Borrowed, borrow.Begin(main.dlg().m_hWnd, target.top()));
    ::SendMessageA(target.Find("CopyTargetCount"), WM_COPY, 0, 0);
    ASSERT_EQ("apple", support::ClipboardText());
    borrow.CopyRead();
    ASSERT_TRUE(support::PutClipboardText("user's newer copy"));
    borrow.End();
    EXPECT_FALSE(borrow.RestorePending());
    EXPECT_FALSE(borrow.Watching());
    EXPECT_EQ("user's newer copy", support::ClipboardText());

    ASSERT_EQ(ClipboardBorrow::Start::Borrowed, borrow.Begin(main.dlg().m_hWnd, target.top()));
    ::SendMessageA(target.Find("CopyTargetCount"), WM_COPY, 0, 0);
    borrow.CopyRead();
    borrow.End();
    ASSERT_TRUE(borrow.Watching());
    EXPECT_EQ("user's newer copy", support::ClipboardText());
    ASSERT_TRUE(support::PutClipboardText("user's newest copy"));
    EXPECT_TRUE(support::PumpUntil([&] { return !borrow.Watching(); }, 3000));
    EXPECT_EQ("user's newest copy", support::ClipboardText());
}

// The copy kept from a borrow serves the next one only while the clipboard
// still holds what went back: a copy the user makes in between is saved anew.
TEST(ClipboardBorrow, AKeptCopyServesOnlyWhileTheClipboardHoldsWhatWentBack)
{
    CopyTarget target("count", "Counting editor");
    CaptureDialog main;
    ClipboardBorrow borrow;
    auto select = [&] {
        ASSERT_EQ(ClipboardBorrow::Start::Borrowed, borrow.Begin(main.dlg().m_hWnd, target.top()));
        ::SendMessageA(target.Find("CopyTargetCount"), WM_COPY, 0, 0);
        borrow.CopyRead();
        borrow.End();
        ASSERT_TRUE(support::PumpUntil([&] { return !borrow.Watching(); }, 3000));
    };
    for (const char* copy : {"user's first copy", "user's second copy"}) {
        ASSERT_TRUE(support::PutClipboardText(copy));
        for (int i = 0; i < 2; ++i) {
            ASSERT_NO_FATAL_FAILURE(select());
            EXPECT_EQ(copy, support::ClipboardText()) << "borrow " << i;
        }
    }
}

// The target copies after the restore (its copy was asked for and came
// late): the user's content goes back again.
TEST(ClipboardBorrow, LateCopyOfTheTargetIsUndone)
{
    CopyTarget target("late", "Late editor");
    Selecting s;
    const std::string user("user's own copy", 16);
    ASSERT_TRUE(support::PutClipboardBlocks({{CF_TEXT, user}, {Registered("HTML Format"), "<i>own</i>"}}));
    EXPECT_EQ(1, s.Select(target, "CopyTargetLate"));
    EXPECT_TRUE(support::PumpUntil([&] { return Title(target.top()) == "late copies: 1"; }, 5000));
    EXPECT_TRUE(support::PumpUntil([&] { return ClipboardBlock(CF_TEXT) == user; }, 3000))
        << "holds: " << support::ClipboardText();
    EXPECT_EQ("<i>own</i>", ClipboardBlock(Registered("HTML Format")).substr(0, 10));
    EXPECT_TRUE(support::PumpUntil([&] { return !s.dlg.m_borrow.Watching(); }, 3000));
    EXPECT_EQ(user, ClipboardBlock(CF_TEXT));
}

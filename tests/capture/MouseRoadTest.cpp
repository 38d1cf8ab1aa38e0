// The mouse road and the clipboard read in Zeto's real main dialog.
#include "CaptureWine.h"

#include "capture/ClipboardText.h"
#include "capture/CopyRequest.h"
#include "hooklib/Tapwire.h"
#include "tests/support/Cp1251Text.h"
#include "ui/MainDlg.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
void PutBlock(UINT format, const void* bytes, size_t size)
{
    ASSERT_TRUE(support::PutClipboardBlock(format, bytes, size));
}

std::string Read(CMainDlg& dlg)
{
    char buffer[CLIPBOARD_BUFFER_SIZE];
    std::memset(buffer, 'x', sizeof buffer);
    dlg.ReadClipboardText(buffer);
    EXPECT_NE(nullptr, std::memchr(buffer, '\0', sizeof buffer));
    return buffer;
}
}  // namespace

TEST(ReadClipboardText, ShortBlockWholeLongBlockFirstWord)
{
    CMainDlg dlg;
    PutBlock(CF_TEXT, "  apple  ", 10);
    EXPECT_EQ("  apple  ", Read(dlg));
    std::string sentence(100, 'a');
    std::memcpy(&sentence[0], "house ", 6);
    PutBlock(CF_TEXT, sentence.c_str(), sentence.size() + 1);
    EXPECT_EQ("house", Read(dlg));
    // The clipboard still holds the whole sentence.
    EXPECT_EQ(sentence, support::ClipboardText());
}

TEST(ReadClipboardText, BlockWithoutNulIsReadWithinItsSize)
{
    CMainDlg dlg;
    std::string noNul(200, 'q');
    PutBlock(CF_TEXT, noNul.data(), noNul.size());
    EXPECT_EQ(TEXT_WORD_TOO_LONG, Read(dlg));
    // Wine ends the copy of a text block it hands out with a NUL of its own,
    // in the block's last byte.
    PutBlock(CF_TEXT, "abc", 3);
    EXPECT_EQ("ab", Read(dlg));
}

TEST(ReadClipboardText, HugeTextGivesItsFirstWord)
{
    CMainDlg dlg;
    std::string huge = "apple " + std::string(8 * 1024 * 1024, 'h');
    PutBlock(CF_TEXT, huge.c_str(), huge.size() + 1);
    EXPECT_EQ("apple", Read(dlg));
}

TEST(ReadClipboardText, NonTextFormatAndEmptyClipboardGiveEmptyText)
{
    CMainDlg dlg;
    UINT format = ::RegisterClipboardFormatA("Wordlumo test bytes");
    const char bytes[] = {1, 2, 3, 4};
    PutBlock(format, bytes, sizeof bytes);
    EXPECT_EQ("", Read(dlg));
    dlg.ClearClipboard();
    EXPECT_EQ("", Read(dlg));
}

TEST(MouseRoad, SelectionInBrowserIsCopiedAndTranslated)
{
    CaptureDialog main;
    CopyTarget target("browser", "Page - Microsoft Internet Explorer");
    ASSERT_TRUE(target.top());
    CMainDlg& dlg = main.dlg();
    dlg.m_bAutoAttach = 1;
    dlg.m_mouseWatch.TakeEveryRelease();
    dlg.OnMouseSelection(0, (LPARAM)target.top());
    EXPECT_EQ(COPY_HTML, dlg.m_nCopyMethod);
    EXPECT_EQ("Page - Microsoft Internet Explorer", dlg.m_strTargetTitle);
    EXPECT_TRUE(support::PumpUntil([&] { return main.Translation() == u8"ябълка"_cp1251; }));
}

TEST(MouseRoad, NoCopyMethodDoesNothing)
{
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    ASSERT_EQ(COPY_NONE, dlg.m_nCopyMethod);
    PutBlock(CF_TEXT, "apple", 6);
    EXPECT_EQ(0, dlg.OnMouseSelection(0, 0));
    support::PumpPending();
    EXPECT_EQ("", main.Translation());
    EXPECT_EQ("apple", support::ClipboardText());
}

TEST(MouseRoad, HangingTargetDoesNotFreezeZeto)
{
    CopyTarget target("hang", "Hanging editor");
    ASSERT_TRUE(target.top());
    HWND child = target.Find("CopyTargetHang");
    ASSERT_NE(nullptr, child);
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.m_nCopyMethod = COPY_OTHER;
    dlg.m_mouseWatch.TakeEveryRelease();
    PutBlock(CF_TEXT, "apple", 6);
    // In front, so the Ctrl+C that follows an unanswered request would be
    // pressed if any time were left for it.
    dlg.m_settings.copyWithCtrlC = 1;
    ::SetForegroundWindow(target.top());
    ASSERT_TRUE(support::PumpUntil([&] { return ::GetForegroundWindow() == target.top(); }));
    DWORD start = ::GetTickCount();
    EXPECT_EQ(1, dlg.OnMouseSelection((WPARAM)child, (LPARAM)target.top()));
    DWORD waited = ::GetTickCount() - start;
    // The selection's one budget, spent once: the request waited it out and
    // nothing waited after it (a second wait of its own, even the Ctrl+C
    // copy's half second, would pass the bound). Zeto went on as if nothing
    // was copied: an empty word, the usage hint; the clipboard holds what it
    // held before.
    EXPECT_GE(waited, COPY_REQUEST_TIMEOUT_MS - 50);
    EXPECT_LT(waited, COPY_REQUEST_TIMEOUT_MS + COPY_REQUEST_TIMEOUT_MS / 4);
    EXPECT_EQ(1, dlg.m_bHintShown);
    EXPECT_EQ("apple", support::ClipboardText());
    EXPECT_FALSE(SendCopyRequest(child, WM_COPY, 0, 0));
}

TEST(CopyGesture, NextClipboardChangeIsLookedUpOnce)
{
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    dlg.OnCopyGesture(0, 0);
    dlg.OnCopyGesture(0, 0);
    EXPECT_EQ(1, dlg.m_bCapturePending);
    PutBlock(CF_TEXT, "house", 6);
    EXPECT_TRUE(support::PumpUntil([&] { return main.Translation() == u8"къща"_cp1251; }));
    EXPECT_EQ(0, dlg.m_bCapturePending);
    ::SetDlgItemTextA(dlg.m_hWnd, 1001, "");
    PutBlock(CF_TEXT, "apple", 6);
    support::PumpPending();
    EXPECT_FALSE(support::PumpUntil([&] { return !main.Translation().empty(); }, 500));
}

// The change's notice is a sent message and may overtake the gesture posted
// just before it: a gesture still waiting in the queue counts for it.
TEST(CopyGesture, GestureStillQueuedWhenTheClipboardChangesCounts)
{
    CaptureDialog main;
    CMainDlg& dlg = main.dlg();
    ::PostMessageA(dlg.m_hWnd, g_tapwireMessages.ctrlC, 0, 0);
    PutBlock(CF_TEXT, "house", 6);
    EXPECT_TRUE(support::PumpUntil([&] { return main.Translation() == u8"къща"_cp1251; }));
    support::PumpPending();
    EXPECT_EQ(0, dlg.m_bCapturePending) << "that change took the gesture";
}

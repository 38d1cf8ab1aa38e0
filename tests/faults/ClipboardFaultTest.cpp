// The mouse road against clipboard blocks of every awkward size, a clipboard
// that another process holds open (before the borrow, or after each change as
// a clipboard history does), and a target that dies when asked to
// copy (one that hangs is tested with the mouse road in tests/capture). The block is put on the clipboard by a target window of this
// test when Zeto sends it WM_COPY, exactly as an application would; what the
// user had copied before must be back on the clipboard afterwards.
#include "hooklib/Tapwire.h"
#include "tests/faults/FaultFixture.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/StandIn.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace {

// The block the fake target puts on the clipboard: these bytes in a block of
// exactly their size (no NUL unless they hold one), as g_format.
std::string g_block;
UINT g_format = CF_TEXT;
bool g_putBlock = false;
// When set, the target copies only once this is signalled, and waits up to
// COPY_WAIT_MS for the event and then for the clipboard, as a patient
// application would.
HANDLE g_copyAfter = nullptr;
constexpr DWORD COPY_WAIT_MS = 1500;

// Waits until done() or timeoutMs, answering the messages other threads
// send meanwhile (Wine's clipboard manager sends to the clipboard's owner:
// Zeto's thread, this one).
template <typename Done>
bool WaitAnsweringSentMessages(HANDLE event, DWORD timeoutMs, Done done)
{
    const DWORD start = ::GetTickCount();
    for (DWORD spent = 0; !done(); spent = ::GetTickCount() - start) {
        if (spent >= timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(event ? 1 : 0, &event, FALSE, std::min<DWORD>(5, timeoutMs - spent),
                                    QS_SENDMESSAGE);
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return true;
}

bool OpenForCopy(HWND hwnd)
{
    if (!g_copyAfter)
        return ::OpenClipboard(hwnd);
    HANDLE after = std::exchange(g_copyAfter, nullptr);
    WaitAnsweringSentMessages(after, COPY_WAIT_MS, [&] { return ::WaitForSingleObject(after, 0) == WAIT_OBJECT_0; });
    return WaitAnsweringSentMessages(nullptr, COPY_WAIT_MS, [&] { return ::OpenClipboard(hwnd) != FALSE; });
}

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COPY) {
        g_putBlock = false;
        if (OpenForCopy(hwnd)) {
            ::EmptyClipboard();
            HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, g_block.size());
            if (block && !g_block.empty()) {
                std::memcpy(::GlobalLock(block), g_block.data(), g_block.size());
                ::GlobalUnlock(block);
            }
            g_putBlock = block && ::SetClipboardData(g_format, block) != nullptr;
            ::CloseClipboard();
        }
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::string Padded(const std::string& text, std::size_t size)
{
    std::string block = text;
    block.resize(size, '\0');
    return block;
}

// ASCII text as UTF-16 (little-endian), padded with NULs to chars characters.
std::string WidePadded(const std::string& text, std::size_t chars)
{
    std::string block;
    for (char c : text)
        block += std::string{c, '\0'};
    block.resize(2 * chars, '\0');
    return block;
}

class ClipboardFaultTest : public FaultFixture {
protected:
    void SetUp() override
    {
        FaultFixture::SetUp();
        g_format = CF_TEXT;
        WNDCLASSA wc{};
        wc.lpfnWndProc = TargetProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "WordlumoFaultTarget";
        ::RegisterClassA(&wc);
        target = ::CreateWindowExA(0, "WordlumoFaultTarget", "target", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   wc.hInstance, nullptr);
        support::WriteDictionary("data.dat", {{"apple", u8"ябълка"_cp1251}, {"caf", u8"кафенце"_cp1251},
                                              {"cafe", u8"кафе"_cp1251}, {"table", u8"маса"_cp1251}});
        support::WriteDictionary("NewData.dat", {});
        StartDialog();
        ASSERT_EQ(m_dlg->m_bReady, 1);
        m_dlg->m_nCopyMethod = COPY_OTHER;
        m_dlg->m_mouseWatch.TakeEveryRelease();
        PutUserClipboard();
    }
    void TearDown() override
    {
        m_history.reset();
        FaultFixture::TearDown();
        ::DestroyWindow(target);
    }

    // A selection in `window`: the hook's message, as Tapwire posts it.
    void Select(HWND window)
    {
        ::SetDlgItemTextA(m_dlg->m_hWnd, 1001, "");
        ::PostMessageA(m_dlg->m_hWnd, selection, reinterpret_cast<WPARAM>(window), reinterpret_cast<LPARAM>(window));
        support::PumpPending();
    }

    // Selects in the fake target with `block` copied; what edit 1001 then shows.
    std::string Translate(const std::string& block)
    {
        g_block = block;
        g_putBlock = false;
        Select(target);
        support::PumpUntil([&] { return !Shown().empty(); }, 3000);
        return Shown();
    }

    // What the user copied before the selections.
    void PutUserClipboard()
    {
        ASSERT_TRUE(::OpenClipboard(target));
        ::EmptyClipboard();
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, sizeof USER_COPY);
        std::memcpy(::GlobalLock(block), USER_COPY, sizeof USER_COPY);
        ::GlobalUnlock(block);
        ::SetClipboardData(CF_TEXT, block);
        ::CloseClipboard();
    }

    // The user's copy is on the clipboard, whole (waiting while another holds it).
    static bool UserCopyHeld()
    {
        const std::string held = support::ClipboardBlock(CF_TEXT);
        return held.compare(0, sizeof USER_COPY, std::string(USER_COPY, sizeof USER_COPY)) == 0;
    }

    // A clipboard history in another process that holds the clipboard open
    // holdMs after each of the next count changes. The target copies only
    // once it holds it, as soon as it lets go: Zeto's read and restore meet
    // the hold that follows the copy.
    void SelectWithHistory(DWORD holdMs, int count)
    {
        const std::string name = "wordlumo-fault-history-" + std::to_string(::GetCurrentProcessId());
        HANDLE ready = NamedEvent(name + "-ready");
        HANDLE held = NamedEvent(name + "-held");
        m_history = std::make_unique<Intruder>("clipboard-history " + name + " " + std::to_string(holdMs) + " " +
                                               std::to_string(count));
        ASSERT_TRUE(m_history->Started());
        ASSERT_EQ(::WaitForSingleObject(ready, 30000), WAIT_OBJECT_0);
        g_copyAfter = held;
        g_block = Padded("apple", 10);
        Select(target);
        ::CloseHandle(ready);
        ::CloseHandle(held);
    }
    std::unique_ptr<Intruder> m_history;

    // The user's copy is back on the clipboard, whole, whatever the target copied.
    void ExpectUserClipboardBack()
    {
        ASSERT_TRUE(::OpenClipboard(nullptr));
        HANDLE data = ::GetClipboardData(CF_TEXT);
        std::string held;
        if (data) {
            const char* p = static_cast<const char*>(::GlobalLock(data));
            held.assign(p, p ? ::GlobalSize(data) : 0);
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
        EXPECT_EQ(held.compare(0, sizeof USER_COPY, std::string(USER_COPY, sizeof USER_COPY)), 0)
            << "the user's copy is back";
    }

    static constexpr char USER_COPY[] = "the user's own copy";

    // A target in another process (a stand-in of that kind) that hangs or
    // exits when asked to copy: Zeto gives up on it, reads an empty
    // clipboard, and goes on answering.
    void ExpectTargetFault(const char* kind)
    {
        support::StandIn standIn(kind, std::string("Wordlumo fault target ") + kind);
        HWND top = standIn.top(), edit = standIn.child();
        ASSERT_NE(edit, nullptr) << standIn.State();

        g_block = Padded("apple", 10);   // on the clipboard beforehand: must not be read as the copy
        ::SendMessageA(target, WM_COPY, 0, 0);
        ::SetDlgItemTextA(m_dlg->m_hWnd, 1001, "");
        const DWORD start = ::GetTickCount();
        ::PostMessageA(m_dlg->m_hWnd, selection, reinterpret_cast<WPARAM>(edit), reinterpret_cast<LPARAM>(top));
        support::PumpPending();
        EXPECT_LT(::GetTickCount() - start, 15000u) << "Zeto waited too long for the target";
        EXPECT_EQ(Shown(), "") << "the clipboard was emptied before the copy request";
        ExpectAlive();
        if (std::string(kind) == "die") {
            EXPECT_EQ(standIn.WaitForExit(), 3);
        }
        ExpectResponsive();
    }

    const UINT selection = g_tapwireMessages.mouseSelection;
    HWND target = nullptr;
};

TEST_F(ClipboardFaultTest, ZeroByteBlockIsAnEmptyWord)
{
    EXPECT_EQ(Translate(""), "");
    EXPECT_EQ(m_dlg->m_bHintShown, 1);   // the usage hint, the first time
    ExpectResponsive();
}

TEST_F(ClipboardFaultTest, BlocksAroundTheWholeTextLimit)
{
    // Under 64 bytes the whole text is looked up (several words: the first
    // that answers, named); from 64 on its first word.
    EXPECT_EQ(Translate(Padded("apple", 63)), u8"ябълка"_cp1251);
    EXPECT_EQ(Translate(Padded("table of", 63)), u8"table: маса"_cp1251);
    EXPECT_EQ(Translate(Padded("table of", 64)), u8"маса"_cp1251);
    EXPECT_EQ(Translate(Padded("apple pie", 65)), u8"ябълка"_cp1251);
    ExpectUserClipboardBack();
    // No space in a large block: the long-word text, which is no word here.
    EXPECT_EQ(Translate(Padded("apple", 64)), u8"Няма такава дума"_cp1251);
    ExpectResponsive();
}

// A Unicode copy: its size counts in characters, as a CF_TEXT block's in
// bytes; an odd byte over is no character.
TEST_F(ClipboardFaultTest, UnicodeBlocksAroundTheWholeTextLimitAndOfOddSize)
{
    g_format = CF_UNICODETEXT;
    EXPECT_EQ(Translate(WidePadded("table of", 63)), u8"table: маса"_cp1251);
    EXPECT_EQ(Translate(WidePadded("table of", 64)), u8"маса"_cp1251);
    EXPECT_EQ(Translate(WidePadded("apple", 5) + 'x'), u8"ябълка"_cp1251);
    ExpectUserClipboardBack();
    ExpectResponsive();
}

// A letter Windows-1251 lacks: with Find Base Forms its base letter is
// looked up (café is cafe), never the word cut where it stood (caf); without,
// the text is looked up as it always was, the letter a '?' that the lookup
// trims.
TEST_F(ClipboardFaultTest, UnicodeLettersWindows1251LacksAreFoldedWithFindBaseForms)
{
    g_format = CF_UNICODETEXT;
    // NUL-terminated, as applications write them: Wine makes the last
    // character of an unterminated Unicode block a NUL.
    const std::string cafe("c\0a\0f\0\xE9\0\0\0", 10);
    const std::string cafeDecomposed("c\0a\0f\0e\0\x01\x03\0\0", 12);   // e and a combining acute
    const std::string cafChinese("c\0a\0f\0\xE5\x65\0\0", 10);              // caf and U+65E5
    EXPECT_EQ(Translate(cafe), u8"кафе"_cp1251);
    EXPECT_EQ(Translate(cafeDecomposed), u8"кафе"_cp1251);
    EXPECT_EQ(Translate(cafChinese), u8"Няма такава дума"_cp1251);
    m_dlg->m_settings.findBaseForms = 0;
    EXPECT_EQ(Translate(cafe), u8"кафенце"_cp1251);
    ExpectUserClipboardBack();
}

TEST_F(ClipboardFaultTest, OneMegabyteBlock)
{
    std::string block = "table " + std::string(1 << 20, 'x');
    block += '\0';
    EXPECT_EQ(Translate(block), u8"маса"_cp1251);
    ExpectUserClipboardBack();
    ExpectResponsive();
}

TEST_F(ClipboardFaultTest, BlocksWithoutANul)
{
    EXPECT_EQ(Translate("  apple  "), u8"ябълка"_cp1251);   // short: stripped of its spaces
    EXPECT_EQ(Translate("table " + std::string(200, 'y')), u8"маса"_cp1251);
    // A long first word with no NUL after it anywhere.
    EXPECT_EQ(Translate(std::string(5000, 'z')), u8"Няма такава дума"_cp1251);
    ExpectResponsive();
}

TEST_F(ClipboardFaultTest, OnlySpaces)
{
    EXPECT_EQ(Translate(std::string(10, ' ')), "");
    EXPECT_EQ(m_dlg->m_bHintShown, 1);
    EXPECT_EQ(Translate(std::string(100, ' ')), "");   // long: an empty first word
    ExpectResponsive();
}

TEST_F(ClipboardFaultTest, ClipboardHeldOpenByAnotherProcess)
{
    const std::string name = "wordlumo-fault-clipboard-" + std::to_string(::GetCurrentProcessId());
    HANDLE held = NamedEvent(name + "-held");
    HANDLE release = NamedEvent(name + "-release");
    Intruder holder("hold-clipboard " + name);
    ASSERT_TRUE(holder.Started());
    ASSERT_EQ(::WaitForSingleObject(held, 30000), WAIT_OBJECT_0);

    // Zeto can neither empty nor read the clipboard, nor can the target copy.
    EXPECT_EQ(Translate(Padded("apple", 10)), "");
    EXPECT_FALSE(g_putBlock);
    ExpectAlive();

    ::SetEvent(release);
    EXPECT_EQ(holder.WaitForExit(), 0);
    EXPECT_EQ(Translate(Padded("apple", 10)), u8"ябълка"_cp1251);
    ExpectResponsive();
    ::CloseHandle(held);
    ::CloseHandle(release);
}

const std::string TEXT_RESTORE_FAILED =
    u8"Клипбордът не можа да бъде върнат: съдържанието му е запазено и ще бъде върнато при първа възможност"_cp1251;

// The history holds the clipboard 300 ms after every change, Zeto's restore
// included: the restore is tried again until it goes through.
TEST_F(ClipboardFaultTest, HistoryHoldingTheClipboardAfterEachChangeDelaysTheRestoreOnly)
{
    ASSERT_NO_FATAL_FAILURE(SelectWithHistory(300, 1000));
    EXPECT_TRUE(support::PumpUntil([] { return UserCopyHeld(); }, 6000));
    EXPECT_TRUE(support::PumpUntil([&] { return !m_dlg->m_borrow.RestorePending(); }, 6000));
    EXPECT_NE(TEXT_RESTORE_FAILED, Shown());
    m_history.reset();
    ExpectResponsive();
}

// Held past every retry: the user is told, the copy is kept, and it goes
// back once the clipboard is free.
TEST_F(ClipboardFaultTest, RestoreRefusedForLongIsSaidAndTheCopyGoesBackLater)
{
    ASSERT_NO_FATAL_FAILURE(SelectWithHistory(8000, 1));
    EXPECT_TRUE(support::PumpUntil([&] { return Shown() == TEXT_RESTORE_FAILED; }, 8000)) << Shown();
    EXPECT_TRUE(m_dlg->m_borrow.RestorePending());
    EXPECT_TRUE(support::PumpUntil([] { return UserCopyHeld(); }, 8000));
    EXPECT_TRUE(support::PumpUntil([&] { return !m_dlg->m_borrow.RestorePending(); }, 3000));
    m_history.reset();
    ExpectResponsive();
}

TEST_F(ClipboardFaultTest, TargetThatDiesWhenAskedToCopy)
{
    ExpectTargetFault("die");
}

} // namespace

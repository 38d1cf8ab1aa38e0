// A word selected in Wine Notepad shows its translation in Zeto, and what the
// user had copied stays on the clipboard. The tests
// run in this order against one Notepad and one Zeto, as a user would go:
// Automatic Attach (in Notepad and in a reader that ignores WM_COPY), then Tool Tip On with Ctrl+C, then with right button +
// Copy; the clipboard chain last, ending with Zeto's exit.
#include "tests/support/ClipboardViewer.h"
#include "E2E.h"
#include "Session.h"

#include "dictionary/Dictionary.h"
#include "notebook/History.h"
#include "res/resource.h"
#include "text/Cp1251.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Records.h"
#include "tests/support/XInput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace {

// Notepad's lines: the two words, then a line of ten spaces.
constexpr int LINE_APPLE = 0;
constexpr int LINE_HOUSE = 1;
constexpr int LINE_SPACES = 2;
constexpr int LINE_FORMS = 3;   // "houses children": words the dictionary has only in their base forms
const std::string NOTEPAD_TEXT = "apple\r\nhouse\r\n          \r\nhouses children\r\n";

Session& S() { return *g_session; }

void DoubleClickWord(int line, int col = 2)
{
    POINT pt = S().CharPoint(line, col);
    xinput::DoubleClick(pt.x, pt.y);
}

// The keys are up and Notepad has handled them: every report its hook makes
// of them is in Zeto's queue.
bool NotepadIdleAfterKeys()
{
    if (!WaitFor([] { return !(::GetAsyncKeyState(VK_CONTROL) & 0x8000) && !(::GetAsyncKeyState('C') & 0x8000); }))
        return false;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(S().notepad(), &pid);
    HANDLE notepad = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    const bool idle = notepad && ::WaitForInputIdle(notepad, 10000) == 0;
    if (notepad)
        ::CloseHandle(notepad);
    return idle;
}

// Text put on the clipboard by this program, no gesture before it; returns
// once Zeto has handled the change (it passes the notice on first).
void ChangeClipboardUnasked()
{
    const int before = g_viewerBetween->drawCount();
    ASSERT_TRUE(support::PutClipboardText(Session::HOUSE));
    ASSERT_TRUE(WaitFor([&] { return g_viewerBetween->drawCount() > before; }));
    ASSERT_TRUE(S().Sync());
}

void DragOverSpaces()
{
    POINT from = S().CharPoint(LINE_SPACES, 0);
    POINT to = S().CharPoint(LINE_SPACES, 9);
    xinput::Drag(from.x - 2, from.y, to.x + 3, to.y);
}

bool TranslationIs(const std::string& text)
{
    return WaitFor([&] { return S().ZetoText(IDC_TRANSLATION) == text; });
}

// Fills Set Window Title with Notepad's title and picks the capture mode.
void ChooseNotepadWithMode(int radioId)
{
    S().Command(ID_TOOLTIP_ON);
    HWND title = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (title = S().Dialog("Aplication Title")) != nullptr; }));
    ::SendMessageA(::GetDlgItem(title, IDC_WINDOW_TITLE), WM_SETTEXT, 0, (LPARAM)S().notepadTitle().c_str());
    ::PostMessageA(title, WM_COMMAND, MAKEWPARAM(IDC_WINDOW_TITLE_OK, BN_CLICKED),
                   (LPARAM)::GetDlgItem(title, IDC_WINDOW_TITLE_OK));
    HWND mode = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (mode = S().Dialog("Choose [ Mouse Or Keyboard ]")) != nullptr; }));
    for (int id : {IDC_MODE_SELECT, IDC_MODE_CTRL_C, IDC_MODE_RB_COPY, IDC_MODE_ALL})
        ::SendMessageA(::GetDlgItem(mode, id), BM_SETCHECK, id == radioId ? BST_CHECKED : BST_UNCHECKED, 0);
    ::PostMessageA(mode, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(mode); }));
    // Back in its message loop, Zeto has installed the hooks.
    ASSERT_TRUE(S().Sync());
}

// The first window of that class (any case) below top.
HWND DescendantOfClass(HWND top, const char* className)
{
    std::pair<const char*, HWND> search{className, nullptr};
    ::EnumChildWindows(top, [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* s = (std::pair<const char*, HWND>*)lParam;
        char name[64] = "";
        ::GetClassNameA(hwnd, name, sizeof name);
        if (lstrcmpiA(name, s->first) != 0)
            return TRUE;
        s->second = hwnd;
        return FALSE;
    }, (LPARAM)&search);
    return search.second;
}

}  // namespace

// The system's code page for non-Unicode programs is the one this run is
// for (notepad_e2e.sh): the checks below read UTF-16 and hold under any.
TEST(Locale, TheAnsiCodePageIsTheOneOfThisRun)
{
    const char* expected = std::getenv("WORDLUMO_EXPECT_ACP");
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(std::to_string(::GetACP()), expected);
}

// A click selects nothing: were it captured, Notepad would copy nothing and
// Zeto would show the usage hint for the empty word.
TEST(AutomaticAttach, PlainClickLeavesTheClipboardAlone)
{
    S().Command(ID_AUTOMATIC_ATTACH);
    ASSERT_TRUE(S().Sync());
    ASSERT_TRUE(support::PutClipboardText(Session::HOUSE));
    const DWORD sequence = ::GetClipboardSequenceNumber();
    POINT pt = S().CharPoint(LINE_APPLE, 2);
    xinput::Click(pt.x, pt.y);
    EXPECT_FALSE(WaitFor([] { return S().VisibleTip(Session::USAGE_HINT) != nullptr; }, 1500));
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    EXPECT_EQ(Session::HOUSE, support::ClipboardText());
}

TEST(AutomaticAttach, SelectionOfOnlySpacesShowsTheUsageHint)
{
    DragOverSpaces();
    EXPECT_TRUE(WaitFor([] { return S().VisibleTip(Session::USAGE_HINT) != nullptr; }));
    EXPECT_EQ(S().notepadTitle(), S().ZetoText(IDC_TARGET_TITLE));
}

TEST(AutomaticAttach, DoubleClickShowsTheTranslationAtTheCursor)
{
    S().SetZetoText(IDC_TRANSLATION, "");
    POINT pt = S().CharPoint(LINE_APPLE, 2);
    xinput::DoubleClick(pt.x, pt.y);
    ASSERT_TRUE(TranslationIs(Session::APPLE_BG));
    HWND tip = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (tip = S().VisibleTip(Session::APPLE_BG)) != nullptr; }));
    RECT rect;
    ::GetWindowRect(tip, &rect);
    EXPECT_NEAR(pt.x, rect.left, 4);
    EXPECT_GE(rect.top, pt.y);
    EXPECT_LE(rect.top, pt.y + 40);
    EXPECT_GT(rect.right - rect.left, 10);
    // Copying changed nothing in Notepad.
    EXPECT_EQ(S().NotepadText(), NOTEPAD_TEXT);
}

TEST(AutomaticAttach, AWordTheDictionaryLacksShowsItsBaseFormUntilSwitchedOff)
{
    S().SetZetoText(IDC_TRANSLATION, "");
    DoubleClickWord(LINE_FORMS, 2);
    EXPECT_TRUE(TranslationIs(std::string(Session::HOUSE) + ": " + Session::HOUSE_BG));
    DoubleClickWord(LINE_FORMS, 10);
    EXPECT_TRUE(TranslationIs(std::string(Session::CHILD) + ": " + Session::CHILD_BG));
    EXPECT_TRUE(WaitFor([] { return S().VisibleTip(std::string(Session::CHILD) + ": " + Session::CHILD_BG); }));

    S().Command(ID_FIND_BASE_FORMS);
    ASSERT_TRUE(S().Sync());
    DoubleClickWord(LINE_FORMS, 2);
    EXPECT_TRUE(TranslationIs(CDictionary::MSG_NOT_FOUND));
    S().Command(ID_FIND_BASE_FORMS);
    ASSERT_TRUE(S().Sync());
}

// Notepad's edit is asked for its selection: the user's clipboard is never
// opened, so its sequence number stays.
TEST(AutomaticAttach, NotepadIsReadWithoutTheClipboard)
{
    ASSERT_TRUE(support::PutClipboardText(Session::HOUSE));
    const DWORD sequence = ::GetClipboardSequenceNumber();
    S().SetZetoText(IDC_TRANSLATION, "");
    DoubleClickWord(LINE_APPLE);
    ASSERT_TRUE(TranslationIs(Session::APPLE_BG));
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    EXPECT_EQ(Session::HOUSE, support::ClipboardText());
}

// Every word shown for Notepad is in History.dat, counted, with the entry
// and the translation shown and Notepad's title. Zeto writes a word once it
// is idle after showing it, so a word of an earlier test may land after this
// test began: the counts before are those of the records before this test's
// four, the journal's last.
TEST(AutomaticAttach, WordsSelectedInNotepadAreCountedInTheHistory)
{
    const std::string children = std::string(Session::CHILD) + ": " + Session::CHILD_BG;
    const struct { int line, col; std::string shown; const char* word; } selections[] = {
        {LINE_APPLE, 2, Session::APPLE_BG, "apple"}, {LINE_HOUSE, 2, Session::HOUSE_BG, "house"},
        {LINE_FORMS, 10, children, "children"}, {LINE_APPLE, 3, Session::APPLE_BG, "apple"},
    };
    for (const auto& s : selections) {
        S().SetZetoText(IDC_TRANSLATION, "");
        DoubleClickWord(s.line, s.col);
        ASSERT_TRUE(TranslationIs(s.shown)) << s.shown;
    }
    const std::size_t ours = sizeof selections / sizeof selections[0];
    std::string bytes;
    std::vector<notebook::Record> records;
    auto ourFourAreLast = [&] {
        bytes = support::ReadFileBytes(S().dir() + "\\History.dat");
        records.clear();
        notebook::ReadJournal(bytes == "<missing>" ? std::string() : bytes, [&](const notebook::Record& r) {
            records.push_back(r);
            return true;
        });
        if (records.size() < ours)
            return false;
        for (std::size_t i = 0; i < ours; ++i)
            if (records[records.size() - ours + i].row.word != selections[i].word)
                return false;
        return true;
    };
    EXPECT_TRUE(WaitFor(ourFourAreLast)) << records.size() << " records";
    notebook::History before;
    for (std::size_t i = 0; i + ours < records.size(); ++i)
        before.Apply(records[i]);
    const notebook::HistoryRead after = notebook::ReadHistory(bytes);
    auto count = [](const notebook::History& history, const char* word) {
        const notebook::Row* row = history.Find(word);
        return row ? row->count : 0;
    };
    EXPECT_EQ(count(after.history, "apple"), count(before, "apple") + 2);
    EXPECT_EQ(count(after.history, "house"), count(before, "house") + 1);
    EXPECT_EQ(count(after.history, "children"), count(before, "children") + 1);
    EXPECT_FALSE(after.damaged);
    const notebook::Row* row = after.history.Find("children");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->entry, Session::CHILD);
    EXPECT_EQ(row->translation, cp1251::ToUtf8(Session::CHILD_BG)) << "the reading, without the entry's name";
    EXPECT_EQ(row->application, S().notepadTitle());
    ASSERT_TRUE(after.history.Find("apple"));
    EXPECT_EQ(after.history.Find("apple")->translation, cp1251::ToUtf8(Session::APPLE_BG));
}

// Wine's WordPad, a rich-edit control, is read the same way.
TEST(AutomaticAttach, WordPadIsReadWithoutTheClipboard)
{
    char exe[MAX_PATH];
    ::ExpandEnvironmentStringsA("\"%ProgramFiles%\\Windows NT\\Accessories\\wordpad.exe\"", exe, MAX_PATH);
    StandIn wordpad(exe);
    ASSERT_TRUE(wordpad.top());
    HWND rich = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (rich = DescendantOfClass(wordpad.top(), "RichEdit20W")) != nullptr; }));
    ::SetWindowPos(wordpad.top(), nullptr, 0, 420, 600, 300, SWP_NOZORDER);   // off Notepad
    ::SendMessageW(rich, WM_SETTEXT, 0, (LPARAM)L"house apple");
    ASSERT_TRUE(support::PutClipboardText(Session::APPLE));
    const DWORD sequence = ::GetClipboardSequenceNumber();
    S().SetZetoText(IDC_TRANSLATION, "");
    // The middle of "house", its third character.
    const LRESULT here = ::SendMessageW(rich, EM_POSFROMCHAR, 2, 0);
    POINT pt{(short)LOWORD(here) + 3, (short)HIWORD(here) + 6};
    ::ClientToScreen(rich, &pt);
    xinput::DoubleClick(pt.x, pt.y);
    ASSERT_TRUE(TranslationIs(Session::HOUSE_BG)) << S().ZetoText(IDC_TRANSLATION);
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    EXPECT_EQ(Session::APPLE, support::ClipboardText());
}

// Another program's text, bitmap and HTML are back, byte for byte, after a
// translation borrowed the clipboard (the stand-in copies "apple" on WM_COPY
// and is no edit); the text put back ("house") is not looked up.
TEST(AutomaticAttach, UserClipboardIsBackAfterTheTranslation)
{
    StandIn editor("count", "Counting editor");
    ASSERT_TRUE(editor.top());
    const UINT htmlFormat = ::RegisterClipboardFormatA("HTML Format");
    const std::string htmlBytes("\x00\x01\xfe <p>html</p>", 14);
    ASSERT_TRUE(support::PutClipboardBlocks({{CF_TEXT, std::string("house", 6)}, {htmlFormat, htmlBytes}}));
    ASSERT_TRUE(support::AddClipboardBitmap({0x81, 0x42, 0x24, 0x18}));
    const std::string bits = support::ClipboardBitmapBits();
    S().SetZetoText(IDC_TRANSLATION, "");
    const POINT pt = editor.ChildCentre();
    xinput::DoubleClick(pt.x, pt.y);
    ASSERT_TRUE(TranslationIs(Session::APPLE_BG));
    // The translation is shown while Zeto still puts the clipboard back.
    EXPECT_TRUE(WaitFor([] { return support::ClipboardBlock(CF_TEXT) == std::string("house", 6); }));
    EXPECT_EQ(htmlBytes, support::ClipboardBlock(htmlFormat));
    EXPECT_EQ(bits, support::ClipboardBitmapBits());
    EXPECT_FALSE(WaitFor([] { return S().ZetoText(IDC_TRANSLATION) == Session::HOUSE_BG; }, 700));
}

// Like a browser, the stand-in ignores WM_COPY and copies on Ctrl+C; Tapwire
// reports Zeto's Ctrl+C, which must not make the restore a lookup.
TEST(AutomaticAttach, ReaderIgnoringWmCopyIsCopiedWithCtrlC)
{
    StandIn reader("keys", "Browser-like reader");
    ASSERT_TRUE(reader.top());
    ASSERT_TRUE(support::PutClipboardText(Session::HOUSE));
    S().SetZetoText(IDC_TRANSLATION, "");
    POINT pt = reader.ChildCentre();
    xinput::DoubleClick(pt.x, pt.y);
    ASSERT_TRUE(TranslationIs(Session::APPLE_BG));
    EXPECT_TRUE(WaitFor([] { return support::ClipboardText() == Session::HOUSE; }));
    EXPECT_FALSE(WaitFor([] { return S().ZetoText(IDC_TRANSLATION) == Session::HOUSE_BG; }, 1000));
}

TEST(AutomaticAttach, UsageHintIsShownOnlyOnce)
{
    S().SetZetoText(IDC_TRANSLATION, "");
    DragOverSpaces();
    bool hint = false;
    WaitFor([&] { hint = hint || S().VisibleTip(Session::USAGE_HINT); return hint; }, 1500);
    // Zeto handles selections in order: once the next word is shown, the
    // spaces have been handled.
    DoubleClickWord(LINE_HOUSE);
    bool shown = WaitFor([&] {
        hint = hint || S().VisibleTip(Session::USAGE_HINT);
        return S().ZetoText(IDC_TRANSLATION) == Session::HOUSE_BG;
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(hint);
    // Read as UTF-16: Bulgarian in the tooltip too, whatever the code page.
    EXPECT_TRUE(WaitFor([] { return S().VisibleTip(Session::HOUSE_BG) != nullptr; }));
    S().Command(ID_AUTOMATIC_ATTACH);
    ASSERT_TRUE(S().Sync());
}

TEST(ToolTipOn, CtrlCTranslatesTheSelectionOnce)
{
    ChooseNotepadWithMode(IDC_MODE_CTRL_C);
    EXPECT_EQ(S().notepadTitle(), S().ZetoText(IDC_TARGET_TITLE));
    S().SetZetoText(IDC_TRANSLATION, "");
    DoubleClickWord(LINE_APPLE);
    const int changes = g_viewerBetween->drawCount();   // Zeto passes every change on to it
    xinput::Key("ctrl+c");
    ASSERT_TRUE(TranslationIs(Session::APPLE_BG));
    EXPECT_TRUE(WaitFor([] { return S().VisibleTip(Session::APPLE_BG) != nullptr; }));
    EXPECT_EQ(Session::APPLE, support::ClipboardText()) << "the user's copy stays";

    // One copy, one lookup, though the key's press and release both
    // announced a copy. The release may come after the lookup and wait for
    // the next change of the clipboard (as for a copy the user makes next),
    // but the change after that is nobody's copy: it is never looked up.
    EXPECT_GE(g_viewerBetween->drawCount() - changes, 1);
    ASSERT_TRUE(NotepadIdleAfterKeys());
    ChangeClipboardUnasked();
    S().SetZetoText(IDC_TRANSLATION, "");
    ChangeClipboardUnasked();
    EXPECT_FALSE(WaitFor([] { return !S().ZetoText(IDC_TRANSLATION).empty(); }, 700))
        << "a change of the clipboard that no gesture asked for was looked up";
}

TEST(ToolTipOn, RightButtonThenContextMenuCopyTranslates)
{
    // Checked: switch it off first; then on again with the right button.
    ::SendMessageA(S().zeto(), WM_COMMAND, ID_TOOLTIP_ON, 0);
    ChooseNotepadWithMode(IDC_MODE_RB_COPY);
    DoubleClickWord(LINE_HOUSE);
    S().SetZetoText(IDC_TRANSLATION, "");
    POINT pt = S().CharPoint(LINE_HOUSE, 2);
    xinput::RightClick(pt.x, pt.y);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        menu = ::FindWindowA("#32768", nullptr);
        return menu && ::IsWindowVisible(menu);
    }));
    POINT copy = ContextMenuCopyPoint(menu);
    xinput::Click(copy.x, copy.y);
    ASSERT_TRUE(TranslationIs(Session::HOUSE_BG));
    EXPECT_EQ(S().NotepadText(), NOTEPAD_TEXT);
}

TEST(ClipboardChain, NoticesPassThroughZetoAndItsExitLeavesTheChainWhole)
{
    support::ClipboardViewer& before = *g_viewerBefore;   // joined before Zeto: Zeto's next is `between`
    // The viewer between Zeto and `before` leaves: Zeto takes `before` as
    // its next and passes the notice on to it.
    HWND between = g_viewerBetween->hwnd();
    int changes = before.changeCount();
    g_viewerBetween.reset();
    EXPECT_TRUE(WaitFor([&] { return before.changeCount() > changes; }));
    EXPECT_EQ(between, before.lastRemoved());

    int draws = before.drawCount();
    ASSERT_TRUE(support::PutClipboardText("chain"));
    EXPECT_TRUE(WaitFor([&] { return before.drawCount() > draws; }));

    // A viewer that joins after Zeto; then Zeto ends.
    support::ClipboardViewer after;
    EXPECT_EQ(S().zeto(), after.next());
    S().Command(ID_EXIT);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(S().zetoProcess(), 10000));
    EXPECT_TRUE(WaitFor([&] { return after.next() == before.hwnd(); }));
    draws = before.drawCount();
    int afterDraws = after.drawCount();
    ASSERT_TRUE(support::PutClipboardText("whole"));
    EXPECT_TRUE(WaitFor([&] { return after.drawCount() > afterDraws && before.drawCount() > draws; }));
}

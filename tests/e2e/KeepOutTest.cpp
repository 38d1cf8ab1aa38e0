// Where Zeto keeps out, seen as a user sees it: paused, in a program on the
// ignored list, on a password manager's secret and in a password field. Run by e2e_keep_out
// with a Zeto of its own under Automatic Attach (every gesture, every
// program), in this order.
#include "E2E.h"
#include "Session.h"

#include "res/resource.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Records.h"
#include "tests/support/WindowText.h"
#include "tests/support/XInput.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace {

Session& S() { return *g_session; }

// Notepad's lines: "apple", then "house".
void DoubleClickWord(int line)
{
    POINT pt = S().CharPoint(line, 2);
    xinput::DoubleClick(pt.x, pt.y);
}

// A double click has reached Notepad: a word is selected and the button is
// up again. (xdotool's clicks come through the X server, keys pressed with
// SendInput do not: without this wait keys may overtake the click.)
bool NotepadSelectedAWord()
{
    const DWORD selection = (DWORD)::SendMessageA(S().notepadEdit(), EM_GETSEL, 0, 0);
    return LOWORD(selection) != HIWORD(selection) && !(::GetAsyncKeyState(VK_LBUTTON) & 0x8000);
}

// Zeto shows no translation bg for as long as one would take to show.
bool ShowsNothing(const std::string& bg)
{
    return !WaitFor([&] { return S().ZetoText(IDC_TRANSLATION) == bg || S().VisibleTip(bg); }, 1500);
}

// A stand-in that counts copy requests in its title ("copies: N") gets one
// within as long as a translation would take.
bool AskedToCopy(const StandIn& standIn)
{
    const std::string title = support::TextOf(standIn.top());
    return WaitFor([&] { return support::TextOf(standIn.top()) != title; }, 1500);
}

// As Zeto.ini keeps it, written at each change. (Wine does not let one
// process read another's menu.)
bool Paused() { return support::ReadFileBytes(S().dir() + "\\Zeto.ini").find("Paused=1") != std::string::npos; }

bool SecretOnClipboard()
{
    return ::IsClipboardFormatAvailable(::RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing"));
}

// Keys pressed through Windows' own input, in order, then let go in the
// reverse order. (X key presses after the pointer rested a while were not
// always delivered to Wine here.)
void PressKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> input(keys.size() * 2);
    std::size_t i = 0;
    for (WORD key : keys) {
        input[i].type = input[input.size() - 1 - i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = input[input.size() - 1 - i].ki.wVk = key;
        input[input.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
        ++i;
    }
    ::SendInput((UINT)input.size(), input.data(), sizeof(INPUT));
}

void SetIgnoredPrograms(const char* names)
{
    S().Command(ID_OPTIONS);
    HWND options = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (options = S().Dialog("Options...")) != nullptr; }));
    ::SendMessageA(::GetDlgItem(options, IDC_IGNORED_PROGRAMS), WM_SETTEXT, 0, (LPARAM)names);
    ::PostMessageA(options, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(options); }));
    ASSERT_TRUE(S().Sync());
}

}  // namespace

TEST(KeepOut, PauseStopsEveryCaptureUntilTheHotkeyEndsIt)
{
    S().Command(ID_AUTOMATIC_ATTACH);
    S().Command(ID_PAUSE);
    ASSERT_TRUE(WaitFor(Paused));
    ASSERT_TRUE(support::PutClipboardText(Session::HOUSE));
    const DWORD sequence = ::GetClipboardSequenceNumber();
    S().SetZetoText(IDC_TRANSLATION, "");
    ::SendMessageA(S().notepadEdit(), EM_SETSEL, 0, 0);
    DoubleClickWord(0);
    ASSERT_TRUE(WaitFor(NotepadSelectedAWord));
    EXPECT_TRUE(ShowsNothing(Session::APPLE_BG));
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber()) << "the clipboard was borrowed while paused";
    PressKeys({VK_CONTROL, 'C'});   // Notepad copies its selection by itself; Zeto must not read it
    ASSERT_TRUE(WaitFor([] { return support::ClipboardText() == Session::APPLE; })) << support::ClipboardText();
    EXPECT_TRUE(ShowsNothing(Session::APPLE_BG));

    PressKeys({VK_CONTROL, VK_MENU, 'Z'});
    ASSERT_TRUE(WaitFor([] { return !Paused(); }));
    DoubleClickWord(0);
    EXPECT_TRUE(WaitFor([] { return S().ZetoText(IDC_TRANSLATION) == Session::APPLE_BG; }));
}

TEST(KeepOut, AProgramOnTheIgnoredListIsLeftAloneAndAnotherIsNot)
{
    SetIgnoredPrograms("NOTEPAD.EXE");
    ASSERT_TRUE(support::PutClipboardText(Session::HOUSE));
    const DWORD sequence = ::GetClipboardSequenceNumber();
    DoubleClickWord(1);
    EXPECT_TRUE(ShowsNothing(Session::HOUSE_BG));
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber()) << "the clipboard was borrowed in an ignored program";

    StandIn reader("keys", "Browser-like reader");
    ASSERT_TRUE(reader.top());
    POINT pt = reader.ChildCentre();
    xinput::DoubleClick(pt.x, pt.y);
    EXPECT_TRUE(WaitFor([] { return S().ZetoText(IDC_TRANSLATION) == Session::APPLE_BG; }))
        << S().ZetoText(IDC_TRANSLATION) << "|" << support::ClipboardText();
    SetIgnoredPrograms("");
}

// The stand-in copies "house", a word Zeto would show, marked as a secret.
TEST(KeepOut, ASecretIsNeverReadNorIsTheClipboardBorrowedWhileItIsThere)
{
    StandIn safe("secret", "Password safe");
    ASSERT_TRUE(safe.top());
    const POINT pt = safe.ChildCentre();
    xinput::Click(pt.x, pt.y);
    DWORD sequence = ::GetClipboardSequenceNumber();
    xinput::Key("ctrl+c");
    ASSERT_TRUE(WaitFor([&] { return ::GetClipboardSequenceNumber() != sequence && SecretOnClipboard(); }));
    EXPECT_TRUE(ShowsNothing(Session::HOUSE_BG)) << "Ctrl+C";

    sequence = ::GetClipboardSequenceNumber();
    xinput::RightClick(pt.x, pt.y);
    xinput::Click(pt.x, pt.y);   // its menu's Copy
    ASSERT_TRUE(WaitFor([&] { return ::GetClipboardSequenceNumber() != sequence; }));
    EXPECT_TRUE(ShowsNothing(Session::HOUSE_BG)) << "right button + Copy";

    // The stand-in copies "apple" on WM_COPY, and is no edit that Zeto could
    // read without the clipboard.
    StandIn editor("count", "Counting editor");
    ASSERT_TRUE(editor.top());
    sequence = ::GetClipboardSequenceNumber();
    const POINT editorPt = editor.ChildCentre();
    xinput::DoubleClick(editorPt.x, editorPt.y);
    EXPECT_FALSE(AskedToCopy(editor)) << "a selection that would borrow the clipboard";
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    EXPECT_TRUE(SecretOnClipboard());
    EXPECT_EQ(Session::HOUSE, support::ClipboardText());
}

// A password field is neither read nor asked to copy, though its word stands
// selected: nothing of it is shown, and the clipboard stays as it was.
TEST(KeepOut, APasswordFieldIsNeverReadNorCopied)
{
    StandIn login("password", "Login");
    ASSERT_TRUE(login.top());
    ASSERT_TRUE(support::PutClipboardText(Session::APPLE));
    const DWORD sequence = ::GetClipboardSequenceNumber();
    const POINT pt = login.ChildCentre();
    xinput::DoubleClick(pt.x, pt.y);
    EXPECT_TRUE(ShowsNothing(Session::HOUSE_BG));
    EXPECT_FALSE(AskedToCopy(login));
    EXPECT_EQ(sequence, ::GetClipboardSequenceNumber());
    EXPECT_EQ(Session::APPLE, support::ClipboardText());
}

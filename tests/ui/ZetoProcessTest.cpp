// Zeto.exe from outside: started in a temporary working directory with a
// small dictionary written here, looked at and driven as a user would.
#include "res/resource.h"
#include "tests/support/BesideData.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/XInput.h"
#include "tests/support/ZetoProcess.h"
#include "tests/ui/MainDlgFixture.h"
#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr UINT WM_SHOWTRANSLATION_ = 0x0500;
constexpr UINT WM_TRAYNOTIFY_ = 0x0600;

class ZetoProcessTest : public ::testing::Test {
protected:
    void WriteBothFiles()
    {
        support::WriteZetoFiles({{"house", u8"къща, дом"_cp1251}, {"water", u8"вода"_cp1251}});
    }
    support::ScratchDir dir;
};

TEST_F(ZetoProcessTest, StartsTopMostWithItsCaption)
{
    WriteBothFiles();
    support::ZetoProcess zeto(dir.Path());
    ASSERT_TRUE(zeto.Started());
    HWND main = zeto.WaitForMain();
    ASSERT_NE(main, nullptr) << zeto.State();
    EXPECT_NE(::GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(zeto.WaitForWindow("#32770", "Error", 0), nullptr);
    EXPECT_EQ(support::TextOf(::GetDlgItem(main, IDC_TRANSLATION)), "");
    ::PostMessageA(main, WM_COMMAND, ID_EXIT, 0);
    EXPECT_EQ(zeto.WaitForExit(), 0);
}

TEST_F(ZetoProcessTest, AMissingFileShowsTheErrorBoxBeforeTheDialog)
{
    support::WriteDictionary(dir.File("data.dat"), {{"house", u8"къща"_cp1251}});
    support::ZetoProcess zeto(dir.Path());
    HWND box = zeto.WaitForWindow("#32770", "Error");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(support::TextOf(::GetDlgItem(box, 0xFFFF)), "File data.dat or NewData.dat not found!");
    EXPECT_EQ(zeto.WaitForMain(0), nullptr) << "the main dialog is not shown yet";
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    HWND main = zeto.WaitForMain();
    ASSERT_NE(main, nullptr) << "the dialog opens after the box";
    EXPECT_TRUE(zeto.Running());
    ::PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(zeto.WaitForExit(), 0);
}

TEST_F(ZetoProcessTest, EnterAndEscapeLeaveItOpenAltF4ClosesIt)
{
    WriteBothFiles();
    support::ZetoProcess zeto(dir.Path());
    HWND main = zeto.WaitForMain();
    ASSERT_NE(main, nullptr) << zeto.State();
    HWND input = ::GetDlgItem(main, IDC_INPUT);
    const POINT box = xinput::CentreOf(input);
    xinput::Click(box.x, box.y);
    ASSERT_TRUE(support::PumpUntil([&] { return ::GetForegroundWindow() == main; }));
    xinput::Key("Return");
    xinput::Key("Escape");
    xinput::Key("q");
    // Input arrives in order: once the letter is in the box, Enter and
    // Escape have been handled.
    ASSERT_TRUE(support::PumpUntil([&] { return support::TextOf(input) == "q"; }));
    EXPECT_TRUE(zeto.Running());
    EXPECT_TRUE(::IsWindowVisible(main));

    xinput::KeyWith("alt", "F4");
    EXPECT_EQ(zeto.WaitForExit(), 0);
}

// Viewer "before" joined the clipboard chain before Zeto, "after" after it:
// while Zeto runs, notices reach "before" only through Zeto; once Zeto has
// gone, the chain must still reach it.
void ExpectClosingLeavesTheChain(support::ScratchDir& dir, UINT msg, WPARAM wParam)
{
    support::ClipboardViewer before;
    support::ZetoProcess zeto(dir.Path());
    HWND main = zeto.WaitForMain();
    ASSERT_NE(main, nullptr) << zeto.State();
    support::ClipboardViewer after;
    EXPECT_EQ(after.next(), main);

    ASSERT_TRUE(support::PutClipboardText("one"));
    EXPECT_TRUE(support::PumpUntil([&] { return before.drawCount() > 0; })) << "Zeto passes the notice on";

    ::PostMessageA(main, msg, wParam, 0);
    EXPECT_EQ(zeto.WaitForExit(), 0);
    EXPECT_TRUE(support::PumpUntil([&] { return after.lastRemoved() == main; })) << "Zeto left the chain";
    EXPECT_TRUE(support::PumpUntil([&] { return after.next() == before.hwnd(); }));
    int draws = before.drawCount(), afterDraws = after.drawCount();
    ASSERT_TRUE(support::PutClipboardText("two"));
    EXPECT_TRUE(support::PumpUntil([&] { return before.drawCount() > draws; }));
    EXPECT_GT(after.drawCount(), afterDraws);
}

TEST_F(ZetoProcessTest, TheCloseBoxEndsTheProcessAfterLeavingTheClipboardChain)
{
    WriteBothFiles();
    ExpectClosingLeavesTheChain(dir, WM_SYSCOMMAND, SC_CLOSE);
}

TEST_F(ZetoProcessTest, ExitEndsTheProcessAfterLeavingTheClipboardChain)
{
    WriteBothFiles();
    ExpectClosingLeavesTheChain(dir, WM_COMMAND, ID_EXIT);
}

// With Find Base Forms off, forms.dat is not read at all: the damage is
// found, and said, when the switch goes on.
TEST_F(ZetoProcessTest, ADamagedFormsFileIsReportedOnceInTheTranslationBoxAndNothingStops)
{
    WriteBothFiles();
    std::string damaged = support::FormsBytes();
    damaged.back() = 'x';
    support::WriteFileBytes(CIrregularForms::FILE_NAME, damaged);
    const std::string NOTE = u8"Файлът forms.dat липсва или е повреден"_cp1251;
    auto note = [](HWND main) { return support::TextOf(::GetDlgItem(main, IDC_TRANSLATION)); };
    {
        support::ZetoProcess zeto(dir.Path());
        HWND main = zeto.WaitForMain();
        ASSERT_NE(main, nullptr) << zeto.State();
        EXPECT_EQ(note(main).rfind(NOTE, 0), 0u) << note(main);
        EXPECT_EQ(zeto.WaitForWindow("#32770", "Error", 0), nullptr) << "no box";
        ::PostMessageA(main, WM_COMMAND, ID_FIND_BASE_FORMS, 0);   // off, for the next start
        ::PostMessageA(main, WM_COMMAND, ID_EXIT, 0);
        EXPECT_EQ(zeto.WaitForExit(), 0);
    }
    support::ZetoProcess zeto(dir.Path());
    HWND main = zeto.WaitForMain();
    ASSERT_NE(main, nullptr) << zeto.State();
    EXPECT_EQ(note(main), "") << "forms.dat read with Find Base Forms off";
    ::PostMessageA(main, WM_COMMAND, ID_FIND_BASE_FORMS, 0);
    EXPECT_TRUE(support::PumpUntil([&] { return note(main).rfind(NOTE, 0) == 0; })) << note(main);
    ::PostMessageA(main, WM_COMMAND, ID_EXIT, 0);
    EXPECT_EQ(zeto.WaitForExit(), 0);
}

// Any process may post 0x0500 with any wParam: Zeto reads nothing through it.
TEST_F(ZetoProcessTest, AForeignShowTranslationChangesNothingAndCrashesNothing)
{
    WriteBothFiles();
    support::ZetoProcess zeto(dir.Path());
    HWND main = zeto.WaitForMain();
    ASSERT_NE(main, nullptr) << zeto.State();
    static const char ours[] = "a text of this process";
    for (WPARAM wParam : {(WPARAM)0, (WPARAM)1, (WPARAM)0xDEADBEEF, (WPARAM)0x7FFFFFFF0000ull, (WPARAM)-1,
                          (WPARAM)main, (WPARAM)ours})
        ::PostMessageA(main, WM_SHOWTRANSLATION_, wParam, 0);
    // Posted messages are handled in order: once the window went to the
    // tray, the ones before were handled.
    ::PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(support::PumpUntil([&] { return !::IsWindowVisible(main) || !zeto.Running(); }));
    ASSERT_TRUE(zeto.Running());
    EXPECT_TRUE(zeto.VisibleTips().empty()) << "no tooltip shown";
    EXPECT_EQ(support::TextOf(::GetDlgItem(main, IDC_TRANSLATION)), "");
    EXPECT_EQ(support::TextOf(::GetDlgItem(main, IDC_LIST_TRANSLATION)), "");

    // The tray icon, seen from outside; a left release brings the window back.
    EXPECT_TRUE(TrayIconExists(main, IDI_WORDLUMO));
    ::PostMessageA(main, WM_TRAYNOTIFY_, IDI_WORDLUMO, WM_RBUTTONUP);
    ::PostMessageA(main, WM_TRAYNOTIFY_, IDI_WORDLUMO, WM_LBUTTONUP);
    ASSERT_TRUE(support::PumpUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
    EXPECT_TRUE(support::PumpUntil([&] { return !TrayIconExists(main, IDI_WORDLUMO); })) << "and the icon goes";
    ::PostMessageA(main, WM_COMMAND, ID_EXIT, 0);
    EXPECT_EQ(zeto.WaitForExit(), 0);
}

} // namespace

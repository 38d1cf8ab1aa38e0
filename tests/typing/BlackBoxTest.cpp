// Zeto.exe as the user meets it: started in a working directory of its own,
// driven by real keystrokes and clicks (xdotool) and by the menu commands,
// observed only from outside through its windows and its NewData.dat.
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/WindowText.h"
#include "tests/support/XInput.h"
#include "tests/support/ZetoProcess.h"
#include "tests/typing/HostTools.h"
#include "tests/typing/MainDialogFixture.h"
#include "tests/typing/TypingSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace typing;

namespace {

const std::string ABC_X = std::string("\x03\x00\x9E\x9D\x9C\x01\x00\x87", 8);

class BlackBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host::Available());
        m_dir = std::make_unique<support::ScratchDir>();
        support::WriteZetoFiles(TestWords());
    }
    // Clicks into the input box and types text there with the keyboard.
    void TypeInto(HWND main, const std::string& text)
    {
        POINT box = xinput::CentreOf(::GetDlgItem(main, IDC_INPUT));
        xinput::Click(box.x, box.y);
        xinput::Type(text);
    }
    std::unique_ptr<support::ScratchDir> m_dir;
};

TEST_F(BlackBoxTest, TypedWordShowsItsTranslationAndTenRowsThatGoSevenSecondsLater)
{
    support::ZetoProcess zeto(m_dir->Path());
    ASSERT_TRUE(zeto.Started()) << support::BuiltZeto();
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    HWND translation = ::GetDlgItem(main, IDC_TRANSLATION);

    TypeInto(main, "apple");
    DWORD typed = ::GetTickCount();
    ASSERT_TRUE(support::PumpUntil([&] { return support::TextOf(translation) == u8"ябълка"_cp1251; }, 15000))
        << support::TextOf(translation);
    ASSERT_TRUE(support::PumpUntil([&] { return zeto.VisibleTips().size() == 10; }, 5000));
    for (HWND tip : zeto.VisibleTips()) {
        RECT rect;
        ::GetWindowRect(tip, &rect);
        POINT anchor{275, 0};
        ::ClientToScreen(main, &anchor);
        EXPECT_EQ(rect.left, anchor.x);
        POINT bottom{0, rect.bottom};
        ::ScreenToClient(main, &bottom);
        EXPECT_EQ((bottom.y - 70) % 16, 0) << "bottom edge at client y " << bottom.y;
        EXPECT_GE(bottom.y, 70);
        EXPECT_LE(bottom.y, 214);
    }
    ASSERT_TRUE(support::PumpUntil([&] { return zeto.VisibleTips().empty(); }, 20000));
    EXPECT_GE(::GetTickCount() - typed, 6900u);
    EXPECT_TRUE(zeto.Close());
}

TEST_F(BlackBoxTest, AnAddedWordIsInNewDataAtOnceAndFoundAfterARestart)
{
    {
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        ::PostMessageA(main, WM_COMMAND, ID_ADD_NEW_WORD, 0);
        HWND dlg = nullptr;
        ASSERT_TRUE(support::PumpUntil([&] { return (dlg = zeto.Dialog("New word")) != nullptr; }, 15000));
        ::SendMessageA(::GetDlgItem(dlg, IDC_NEW_WORD), WM_SETTEXT, 0, (LPARAM) "abc");
        ::SendMessageA(::GetDlgItem(dlg, IDC_NEW_TRANSLATION), WM_SETTEXT, 0, (LPARAM) "x");
        POINT ok = xinput::CentreOf(::GetDlgItem(dlg, IDC_NEW_WORD_OK));
        xinput::Click(ok.x, ok.y);
        ASSERT_TRUE(support::PumpUntil([&] { return !::IsWindow(dlg); }, 15000));
        EXPECT_EQ(Hex(support::ReadFileBytes(m_dir->File("NewData.dat"))), Hex(ABC_X));

        TypeInto(main, "abc");
        HWND translation = ::GetDlgItem(main, IDC_TRANSLATION);
        EXPECT_TRUE(support::PumpUntil([&] { return support::TextOf(translation) == "x"; }, 15000)) << support::TextOf(translation);
        EXPECT_TRUE(zeto.Close());
    }
    support::ZetoProcess again(m_dir->Path());
    HWND main = again.WaitForMain();
    ASSERT_TRUE(main);
    TypeInto(main, "abc");
    HWND translation = ::GetDlgItem(main, IDC_TRANSLATION);
    EXPECT_TRUE(support::PumpUntil([&] { return support::TextOf(translation) == "x"; }, 15000)) << support::TextOf(translation);
    EXPECT_TRUE(again.Close());
}

TEST_F(BlackBoxTest, OptionsOkWithoutAlwaysOnTopHidesTheWindowInTheTray)
{
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    ::PostMessageA(main, WM_COMMAND, ID_OPTIONS, 0);
    HWND dlg = nullptr;
    ASSERT_TRUE(support::PumpUntil([&] { return (dlg = zeto.Dialog("Options...")) != nullptr; }, 15000));
    EXPECT_EQ(support::TextOf(::GetDlgItem(dlg, IDC_TIMEOUT)), "3");
    POINT onTop = xinput::CentreOf(::GetDlgItem(dlg, IDC_ALWAYS_ON_TOP));
    xinput::Click(onTop.x, onTop.y);
    ASSERT_TRUE(support::PumpUntil([&] { return ::SendMessageA(::GetDlgItem(dlg, IDC_ALWAYS_ON_TOP), BM_GETCHECK, 0, 0) == 0; },
                          15000));
    POINT ok = xinput::CentreOf(::GetDlgItem(dlg, IDOK));
    xinput::Click(ok.x, ok.y);
    ASSERT_TRUE(support::PumpUntil([&] { return !::IsWindow(dlg); }, 15000));
    EXPECT_TRUE(support::PumpUntil([&] { return !::IsWindowVisible(main); }, 15000));
    EXPECT_FALSE(::GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(zeto.Close());
}

// A multi-line edit in a dialog turns Escape into a close of its dialog;
// the main window ends only by its close box, Alt+F4 or Exit.
TEST_F(BlackBoxTest, EscapeAndEnterInTheMultiLineEditsLeaveZetoOpen)
{
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    // 1040 stands where list mode puts it.
    ::ShowWindow(::GetDlgItem(main, IDC_LIST_TRANSLATION), SW_SHOW);
    for (int id : {IDC_TRANSLATION, IDC_LIST_TRANSLATION}) {
        SCOPED_TRACE("edit " + std::to_string(id));
        POINT edit = xinput::CentreOf(::GetDlgItem(main, id));
        xinput::Click(edit.x, edit.y);
        ASSERT_TRUE(xinput::Key("Escape"));
        ASSERT_TRUE(xinput::Key("Return"));
    }
    // Typed after the keys, so handled after anything they posted.
    TypeInto(main, "apple");
    HWND translation = ::GetDlgItem(main, IDC_TRANSLATION);
    EXPECT_TRUE(support::PumpUntil([&] { return support::TextOf(translation) == u8"ябълка"_cp1251; }, 15000))
        << support::TextOf(translation);
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_TRUE(zeto.Close());
}

} // namespace

// The process that installed Tapwire's hooks is killed outright (no chance
// to unhook or to unload the library): the hooked application must go on
// working, and the dead installer's hooks must fire no more.
#include "hooklib/Tapwire.h"
#include "tests/hooklib/InstallerProtocol.h"
#include "tests/support/StandIn.h"
#include "tests/ui/UiTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// Counts the mouse-selection messages the hooks post to it, and hears the
// hook installer (tests/hooklib's) report that it installed them.
class NotifyWindow {
public:
    NotifyWindow()
    {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "WordlumoFaultNotify";
        ::RegisterClassA(&wc);
        hwnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance,
                                 nullptr);
    }
    ~NotifyWindow() { ::DestroyWindow(hwnd); }

    HWND hwnd;
    static int selections;
    static int installed;   // installers that reported their hooks in

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        static const UINT selection = RegisterTapwireMessages().mouseSelection;
        if (msg == selection)
            ++selections;
        if (msg == INSTALLER_READY && wParam == 1)
            ++installed;
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
};

int NotifyWindow::selections = 0;
int NotifyWindow::installed = 0;

// Tapwire's capture hooks for every thread, installed by a process of their
// own that reports to notify (and exits when killed, its hooks left behind).
support::Process Installer(const NotifyWindow& notify)
{
    return support::Process(support::BesideThisProgram(
        "..\\hooklib\\hook_installer.exe", std::to_string(reinterpret_cast<UINT_PTR>(notify.hwnd)) + " 3 all exit"));
}

TEST(HookKillFaultTest, KillingTheInstallerLeavesTheHookedApplicationWorking)
{
    support::StandIn target("typist", "Wordlumo hooked application");
    HWND top = target.top(), edit = target.child();
    ASSERT_NE(edit, nullptr) << target.State();

    NotifyWindow notify;
    support::Process installer = Installer(notify);
    ASSERT_TRUE(installer.Started());
    ASSERT_TRUE(support::PumpUntil([] { return NotifyWindow::installed == 1; }, 30000))
        << "the hooks were not installed";

    // The hooks are in: a button release in the target is reported.
    ::PostMessageA(edit, WM_LBUTTONUP, 0, 0);
    ASSERT_TRUE(support::PumpUntil([] { return NotifyWindow::selections > 0; })) << "the hooks never fired";

    ASSERT_TRUE(::TerminateProcess(installer.Handle(), 9));
    ASSERT_EQ(installer.WaitForExit(), 9);
    support::PumpPending();
    const int before = NotifyWindow::selections;

    // The target still takes input and answers, through the same messages
    // its hooks used to see.
    for (int i = 0; i < 20; ++i) {
        ::PostMessageA(edit, WM_LBUTTONUP, 0, 0);
        ::PostMessageA(edit, WM_CHAR, 'x', 1);
    }
    ASSERT_TRUE(support::PumpUntil([&] { return support::TextOf(edit).size() == 25; }))
        << "the target stopped taking input: " << support::TextOf(edit);
    const std::string text = support::TextOf(edit);
    EXPECT_NE(text.find("apple"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), 'x'), 20) << text;
    EXPECT_EQ(::WaitForSingleObject(target.Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "the target died";
    DWORD_PTR result = 0;
    EXPECT_NE(::SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result), 0);
    support::PumpPending();
    std::printf("after the kill: %d more selection posts\n", NotifyWindow::selections - before);

    // A second installer, as a restarted Zeto: one gesture, one report.
    support::Process again = Installer(notify);
    ASSERT_TRUE(support::PumpUntil([] { return NotifyWindow::installed == 2; }, 30000))
        << "the hooks were not installed again";
    support::PumpPending();
    const int beforeAgain = NotifyWindow::selections;
    ::PostMessageA(edit, WM_LBUTTONUP, 0, 0);
    support::PumpUntil([&] { return NotifyWindow::selections > beforeAgain; });
    ::SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
    support::PumpPending();
    std::printf("one release after reinstalling: %d posts\n", NotifyWindow::selections - beforeAgain);
}

} // namespace

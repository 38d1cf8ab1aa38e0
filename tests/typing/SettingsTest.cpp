// Zeto.ini seen from outside: Zeto.exe started in its own working
// directory, changed, closed and started again; hostile files; writes that
// cannot succeed; and the Run key entry that starts it with Windows.
#include "res/resource.h"
#include "tests/support/Cp1251Text.h"
#include "tests/support/MessageBoxes.h"
#include "tests/support/WindowText.h"
#include "tests/support/ZetoProcess.h"
#include "tests/typing/HostTools.h"
#include "tests/typing/MainDialogFixture.h"
#include "tests/typing/TypingSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <memory>

using namespace typing;

namespace {

const std::string OLD_WORD = support::RecordBytes("old", u8"стар"_cp1251);

bool Checked(HWND dlg, int id) { return ::SendMessageA(::GetDlgItem(dlg, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host::Available());
        m_dir = std::make_unique<support::ScratchDir>();
        support::WriteZetoFiles(TestWords(), OLD_WORD);
    }
    HWND OpenOptions(const support::ZetoProcess& zeto, HWND main)
    {
        ::PostMessageA(main, WM_COMMAND, ID_OPTIONS, 0);
        HWND dlg = nullptr;
        support::PumpUntil([&] { return (dlg = zeto.Dialog("Options...")) != nullptr; }, 15000);
        return dlg;
    }
    static bool EndDialog(HWND dlg, int button)
    {
        ::PostMessageA(dlg, WM_COMMAND, button, 0);
        return support::PumpUntil([&] { return !::IsWindow(dlg); }, 15000);
    }
    std::string File(const char* name) const { return support::ReadFileBytes(m_dir->File(name)); }
    std::string Translation(HWND main) const { return support::TextOf(::GetDlgItem(main, IDC_TRANSLATION)); }
    static constexpr const char* RUN_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static std::string RunValue()
    {
        char value[1024] = "";
        DWORD size = sizeof value;
        if (::RegGetValueA(HKEY_CURRENT_USER, RUN_KEY, "Wordlumo", RRF_RT_REG_SZ, nullptr, value, &size))
            return std::string("<none>");
        return std::string(value);
    }

    std::unique_ptr<support::ScratchDir> m_dir;
};

TEST_F(SettingsTest, OptionsAutomaticAttachAndThePlaceComeBackAfterARestart)
{
    {
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        HWND dlg = OpenOptions(zeto, main);
        ASSERT_TRUE(dlg);
        ::SendMessageA(::GetDlgItem(dlg, IDC_TIMEOUT), WM_SETTEXT, 0, (LPARAM) "7");
        ::SendMessageA(::GetDlgItem(dlg, IDC_MINIMIZE_TO_TRAY), BM_SETCHECK, BST_UNCHECKED, 0);
        ::SendMessageA(::GetDlgItem(dlg, IDC_KEYBOARD_INPUT), BM_SETCHECK, BST_CHECKED, 0);
        ASSERT_TRUE(EndDialog(dlg, IDOK));
        ASSERT_TRUE(support::PumpUntil([&] { return Has(File("Zeto.ini"), "TimeoutSec=7"); }, 15000)) << File("Zeto.ini");
        ::PostMessageA(main, WM_COMMAND, ID_AUTOMATIC_ATTACH, 0);
        ASSERT_TRUE(support::PumpUntil([&] { return Has(File("Zeto.ini"), "AutomaticAttach=1"); }, 15000));
        ::SetWindowPos(main, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(zeto.Close());
    }
    EXPECT_TRUE(Has(File("Zeto.ini"), "WindowLeft=200\r\nWindowTop=150\r\n")) << File("Zeto.ini");

    support::ZetoProcess again(m_dir->Path());
    HWND main = again.WaitForMain();
    ASSERT_TRUE(main);
    RECT rect;
    ::GetWindowRect(main, &rect);
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 150);
    HWND dlg = OpenOptions(again, main);
    ASSERT_TRUE(dlg);
    EXPECT_EQ(support::TextOf(::GetDlgItem(dlg, IDC_TIMEOUT)), "7");
    EXPECT_FALSE(Checked(dlg, IDC_MINIMIZE_TO_TRAY));
    EXPECT_TRUE(Checked(dlg, IDC_ALWAYS_ON_TOP));
    EXPECT_TRUE(Checked(dlg, IDC_KEYBOARD_INPUT));
    ASSERT_TRUE(EndDialog(dlg, IDCANCEL));
    // Automatic Attach came back on: the command now switches it off.
    ::PostMessageA(main, WM_COMMAND, ID_AUTOMATIC_ATTACH, 0);
    EXPECT_TRUE(support::PumpUntil([&] { return Has(File("Zeto.ini"), "AutomaticAttach=0"); }, 15000)) << File("Zeto.ini");
    EXPECT_TRUE(again.Close());
    EXPECT_EQ(Hex(File("NewData.dat")), Hex(OLD_WORD));
}

// The test holds Ctrl+Alt+Q (and later Ctrl+Alt+P) as another program would.
TEST_F(SettingsTest, PauseTheHotkeysAndTheIgnoredProgramsComeBackAndAHotkeyHeldElsewhereIsSaid)
{
    const HWND holder = ::CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(::RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, 'Q'));
    {
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        HWND dlg = OpenOptions(zeto, main);
        ASSERT_TRUE(dlg);
        EXPECT_TRUE(Has(support::TextOf(::GetDlgItem(dlg, IDC_IGNORED_PROGRAMS)), "KeePassXC.exe"));
        HWND hotkey = ::GetDlgItem(dlg, IDC_PAUSE_HOTKEY);
        EXPECT_EQ(::SendMessageA(hotkey, HKM_GETHOTKEY, 0, 0), MAKEWORD('Z', HOTKEYF_CONTROL | HOTKEYF_ALT));
        ::SendMessageA(hotkey, HKM_SETHOTKEY, MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
        ::PostMessageA(dlg, WM_COMMAND, IDOK, 0);
        HWND box = nullptr;
        ASSERT_TRUE(support::PumpUntil([&] { return (box = zeto.Dialog("Zeto")) != nullptr; }, 15000));
        EXPECT_EQ(support::ReadBox(box).text, "Ctrl+Alt+Q is used by another program. Please choose another.");
        support::AnswerOk(box);
        ASSERT_TRUE(support::PumpUntil([&] { return !::IsWindow(box); }, 15000));
        ASSERT_TRUE(::IsWindow(dlg)) << "the dialog stays open for another choice";
        ::SendMessageA(hotkey, HKM_SETHOTKEY, MAKEWORD('P', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
        // Speak's hotkey, none at first, cannot be Pause's too.
        HWND speak = ::GetDlgItem(dlg, IDC_SPEAK_HOTKEY);
        EXPECT_EQ(::SendMessageA(speak, HKM_GETHOTKEY, 0, 0), 0);
        ::SendMessageA(speak, HKM_SETHOTKEY, MAKEWORD('P', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
        ::PostMessageA(dlg, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(support::PumpUntil([&] { return (box = zeto.Dialog("Zeto")) != nullptr; }, 15000));
        EXPECT_EQ(support::ReadBox(box).text, "Ctrl+Alt+P already pauses. Please choose another.");
        support::AnswerOk(box);
        ASSERT_TRUE(support::PumpUntil([&] { return !::IsWindow(box); }, 15000));
        ::SendMessageA(speak, HKM_SETHOTKEY, MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
        ::SendMessageA(::GetDlgItem(dlg, IDC_IGNORED_PROGRAMS), WM_SETTEXT, 0, (LPARAM) "Code.exe\r\n keepassxc.exe\r\n");
        ASSERT_TRUE(EndDialog(dlg, IDOK));
        ::PostMessageA(main, WM_COMMAND, ID_PAUSE, 0);
        ASSERT_TRUE(support::PumpUntil([&] { return Has(File("Zeto.ini"), "Paused=1"); }, 15000)) << File("Zeto.ini");
        EXPECT_TRUE(Has(File("Zeto.ini"),
                        "PauseHotkey=Ctrl+Alt+P\r\nSpeakHotkey=Ctrl+Alt+S\r\nIgnoredPrograms=Code.exe;keepassxc.exe\r\n"))
            << File("Zeto.ini");
        ASSERT_TRUE(zeto.Close());
    }
    ASSERT_TRUE(::RegisterHotKey(holder, 2, MOD_CONTROL | MOD_ALT, 'P'));
    support::ZetoProcess again(m_dir->Path());
    HWND main = again.WaitForMain();
    ASSERT_TRUE(main);
    EXPECT_TRUE(Has(Translation(main), "Ctrl+Alt+P")) << Translation(main);
    HWND dlg = OpenOptions(again, main);
    ASSERT_TRUE(dlg);
    EXPECT_EQ(support::TextOf(::GetDlgItem(dlg, IDC_IGNORED_PROGRAMS)), "Code.exe\r\nkeepassxc.exe");
    EXPECT_EQ(::SendMessageA(::GetDlgItem(dlg, IDC_SPEAK_HOTKEY), HKM_GETHOTKEY, 0, 0),
              MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_ALT));
    ASSERT_TRUE(EndDialog(dlg, IDCANCEL));
    // Still paused after the restart: Pause now resumes.
    ::PostMessageA(main, WM_COMMAND, ID_PAUSE, 0);
    EXPECT_TRUE(support::PumpUntil([&] { return Has(File("Zeto.ini"), "Paused=0"); }, 15000)) << File("Zeto.ini");
    EXPECT_TRUE(again.Close());
    ::DestroyWindow(holder);
}

// A place partly on the monitor comes back whole onto it; one on no monitor
// at all is forgotten and the window centred, as on a first run.
TEST_F(SettingsTest, APlaceOnAMonitorComesBackWholeAndOneOffEveryMonitorIsCentred)
{
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const struct {
        int left, top;
        bool centred;
    } places[] = {{(int)work.left, (int)work.top, false}, {(int)work.right - 50, (int)work.top + 10, false},
                  {5000, -3000, true}};
    for (const auto& p : places) {
        SCOPED_TRACE(p.left);
        support::WriteFileBytes(m_dir->File("Zeto.ini"), "[Zeto]\r\nWindowLeft=" + std::to_string(p.left) +
                                                    "\r\nWindowTop=" + std::to_string(p.top) + "\r\n");
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        RECT rect;
        ::GetWindowRect(main, &rect);
        const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
        if (p.centred) {
            EXPECT_EQ(rect.left, work.left + (work.right - work.left - width) / 2);
            EXPECT_EQ(rect.top, work.top + (work.bottom - work.top - height) / 2);
        } else {
            EXPECT_EQ(rect.left, std::min<LONG>(p.left, work.right - width));
            EXPECT_EQ(rect.top, p.top);
        }
        EXPECT_TRUE(zeto.Close());
    }
}

// Another program holds Zeto.ini open with no sharing, or a folder has its
// name: Zeto runs on its defaults, says so, and leaves it alone even after a
// change and at exit.
TEST_F(SettingsTest, AFileThatCannotBeReadIsNeverOverwritten)
{
    const std::string mine = "[Zeto]\r\nTimeoutSec=7\r\n";
    support::WriteFileBytes(m_dir->File("Zeto.ini"), mine);
    {
        HANDLE lock = ::CreateFileA(m_dir->File("Zeto.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ::CloseHandle(lock);
        ASSERT_TRUE(main);
        EXPECT_TRUE(Has(Translation(main), "Zeto.ini")) << Translation(main);
        HWND dlg = OpenOptions(zeto, main);
        ASSERT_TRUE(dlg);
        EXPECT_EQ(support::TextOf(::GetDlgItem(dlg, IDC_TIMEOUT)), "3");
        ::SendMessageA(::GetDlgItem(dlg, IDC_TIMEOUT), WM_SETTEXT, 0, (LPARAM) "5");
        ASSERT_TRUE(EndDialog(dlg, IDOK));
        ::SetWindowPos(main, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(zeto.Close());
    }
    EXPECT_EQ(File("Zeto.ini"), mine);

    ASSERT_TRUE(::DeleteFileA(m_dir->File("Zeto.ini").c_str()));
    ASSERT_TRUE(::CreateDirectoryA(m_dir->File("Zeto.ini").c_str(), nullptr));
    {
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        EXPECT_TRUE(Has(Translation(main), "Zeto.ini")) << Translation(main);
        ::SetWindowPos(main, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_TRUE(zeto.Close());
    }
    EXPECT_EQ(File("Zeto.ini.new"), "<missing>");
    EXPECT_TRUE(::RemoveDirectoryA(m_dir->File("Zeto.ini").c_str())) << "still the folder, and empty";
}

// Notepad's byte order mark and a line Zeto cannot read cost nothing else;
// the file as it was is kept aside, and written again it is UTF-8.
TEST_F(SettingsTest, AByteOrderMarkAndOneBadLineKeepTheOtherSettings)
{
    const std::string damaged = "\xEF\xBB\xBF[Zeto]\r\nTimeoutSec=7\r\nthis is no setting\r\n" +
                                std::string(u8"IgnoredPrograms=Речник.exe\r\nKeyboardInput=1\r\n");
    support::WriteFileBytes(m_dir->File("Zeto.ini"), damaged);
    {
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        EXPECT_TRUE(Has(Translation(main), "Zeto.ini.damaged")) << Translation(main);
        EXPECT_TRUE(File("Zeto.ini.damaged") == damaged);
        HWND dlg = OpenOptions(zeto, main);
        ASSERT_TRUE(dlg);
        EXPECT_EQ(support::TextOf(::GetDlgItem(dlg, IDC_TIMEOUT)), "7");
        EXPECT_TRUE(Checked(dlg, IDC_KEYBOARD_INPUT));
        EXPECT_EQ(support::TextOf(::GetDlgItem(dlg, IDC_IGNORED_PROGRAMS)), u8"Речник.exe"_cp1251);
        ASSERT_TRUE(EndDialog(dlg, IDCANCEL));
        EXPECT_TRUE(zeto.Close());
    }
    const std::string clean = File("Zeto.ini");
    EXPECT_FALSE(Has(clean, "no setting")) << clean;
    EXPECT_TRUE(Has(clean, "TimeoutSec=7\r\n")) << clean;
    EXPECT_TRUE(Has(clean, u8"IgnoredPrograms=Речник.exe\r\n")) << clean;
    EXPECT_TRUE(File("Zeto.ini.damaged") == damaged);
}

// Windows ending the session may end Zeto without destroying its window.
TEST_F(SettingsTest, TheEndOfTheSessionSavesTheSettings)
{
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    ::SetWindowPos(main, nullptr, 210, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(main, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(File("Zeto.ini"), "<missing>") << "a session that goes on saves nothing";
    ::SendMessageA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(Has(File("Zeto.ini"), "WindowLeft=210\r\nWindowTop=160\r\n")) << File("Zeto.ini");
    EXPECT_TRUE(zeto.Close());
}

// A virus scanner, a backup or the test itself reading Zeto.ini at the
// moment of a save: the save waits for it and is not lost.
TEST_F(SettingsTest, AReaderHoldingTheFileHoldsUpASaveAndLosesNothing)
{
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    ::SendMessageA(main, WM_COMMAND, ID_AUTOMATIC_ATTACH, 0);
    ASSERT_TRUE(Has(File("Zeto.ini"), "AutomaticAttach=1"));
    // Opened as most readers open a file: it may be read and written, not replaced.
    HANDLE reader = ::CreateFileA(m_dir->File("Zeto.ini").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    ::SendMessageA(main, WM_COMMAND, ID_AUTOMATIC_ATTACH, 0);
    EXPECT_TRUE(Has(File("Zeto.ini"), "AutomaticAttach=1")) << "the file is held: not replaced yet";
    ::CloseHandle(reader);
    EXPECT_TRUE(support::PumpUntil([&] { return Has(File("Zeto.ini"), "AutomaticAttach=0"); }, 15000));
    EXPECT_EQ(Translation(main), "");
    EXPECT_TRUE(zeto.Close());
}

TEST_F(SettingsTest, AHostileFileGivesDefaultsOneLineAndLeavesTheWordsAlone)
{
    std::string noise(4096, '\0');
    unsigned seed = 15;
    for (char& c : noise)
        c = (char)((seed = seed * 1103515245u + 12345u) >> 24);
    const struct {
        const char* what;
        std::string bytes;
        bool damaged;
    } cases[] = {
        {"random bytes", noise, true},
        {"a 1 MB line", "TimeoutSec=" + std::string(1 << 20, '7'), true},
        {"a NUL", std::string("[Zeto]\r\nTimeoutSec=7\0\r\n", 22), true},
        {"values out of range", "[Zeto]\r\nTimeoutSec=11\r\nKeyboardInput=2\r\nWindowLeft=99999999\r\nFontSize=-4\r\n",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        support::WriteFileBytes(m_dir->File("Zeto.ini"), c.bytes);
        ::DeleteFileA(m_dir->File("Zeto.ini.damaged").c_str());
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        if (c.damaged) {
            EXPECT_TRUE(Has(Translation(main), "Zeto.ini.damaged")) << Translation(main);
            EXPECT_TRUE(File("Zeto.ini.damaged") == c.bytes) << "the damaged file is kept as it was";
        } else {
            EXPECT_TRUE(Has(Translation(main), "TimeoutSec, FontSize, KeyboardInput, WindowLeft")) << Translation(main);
        }
        HWND dlg = OpenOptions(zeto, main);
        ASSERT_TRUE(dlg);
        EXPECT_EQ(support::TextOf(::GetDlgItem(dlg, IDC_TIMEOUT)), "3");
        EXPECT_FALSE(Checked(dlg, IDC_KEYBOARD_INPUT));
        ASSERT_TRUE(EndDialog(dlg, IDCANCEL));
        EXPECT_TRUE(zeto.Close());
        EXPECT_EQ(Hex(File("NewData.dat")), Hex(OLD_WORD));
    }
}

// The working directory on a small file system of its own (a tmpfs mounted
// on the spot, which needs root), so it can be filled up or made read-only.
TEST_F(SettingsTest, AWriteOnAFullDiskOrAReadOnlyFolderKeepsTheOldFileAndEveryWord)
{
    m_dir.reset();
    m_dir = std::make_unique<support::ScratchDir>(SmallDisk::PARENT);
    SmallDisk disk(*m_dir);
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    support::WriteZetoFiles(TestWords(), OLD_WORD);
    const std::string old = "[Zeto]\r\nTimeoutSec=5\r\n";
    support::WriteFileBytes(m_dir->File("Zeto.ini"), old);
    disk.Fill();

    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    // The setting changes for this run; only the file stays as it was.
    auto changeTimeout = [&](const char* shown, const char* seconds) {
        HWND dlg = OpenOptions(zeto, main);
        ASSERT_TRUE(dlg);
        EXPECT_EQ(support::TextOf(::GetDlgItem(dlg, IDC_TIMEOUT)), shown);
        ::SendMessageA(::GetDlgItem(dlg, IDC_TIMEOUT), WM_SETTEXT, 0, (LPARAM)seconds);
        ASSERT_TRUE(EndDialog(dlg, IDOK));
        EXPECT_TRUE(support::PumpUntil([&] { return Has(Translation(main), "Zeto.ini"); }, 15000)) << Translation(main);
        EXPECT_EQ(File("Zeto.ini"), old);
        EXPECT_EQ(File("Zeto.ini.new"), "<missing>");
        EXPECT_EQ(Hex(File("NewData.dat")), Hex(OLD_WORD));
    };
    changeTimeout("5", "9");
    ::SendMessageA(::GetDlgItem(main, IDC_TRANSLATION), WM_SETTEXT, 0, (LPARAM) "");
    ::DeleteFileA(m_dir->File("filler").c_str());
    ASSERT_EQ(host::Run({"mount", "-o", "remount,ro", disk.UnixPath()}), 0);
    changeTimeout("9", "8");
    EXPECT_TRUE(zeto.Close());
    EXPECT_EQ(File("Zeto.ini"), old);
}

TEST_F(SettingsTest, StartWithWindowsPutsACommandInTheRunKeyThatFindsTheDictionary)
{
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, RUN_KEY, "Wordlumo");
    std::string command;
    {
        support::ZetoProcess zeto(m_dir->Path());
        HWND main = zeto.WaitForMain();
        ASSERT_TRUE(main);
        ::PostMessageA(main, WM_COMMAND, ID_START_WITH_WINDOWS, 0);
        ASSERT_TRUE(support::PumpUntil([&] { return RunValue() != "<none>"; }, 15000));
        command = RunValue();
        EXPECT_EQ(command, "\"" + support::BuiltZeto() + "\" /workdir \"" + m_dir->Path() + "\"");
        EXPECT_TRUE(zeto.Close());
    }
    // Started as the system would, somewhere else: Zeto finds its files.
    support::ZetoProcess started("C:\\windows", command.substr(command.find("/workdir")));
    HWND main = nullptr;
    ASSERT_TRUE(support::PumpUntil([&] { return (main = started.Dialog("Wordlumo")) || started.Dialog("Error"); }, 30000));
    EXPECT_FALSE(started.Dialog("Error"));
    ASSERT_TRUE(main = started.WaitForMain());
    ::PostMessageA(main, WM_COMMAND, ID_START_WITH_WINDOWS, 0);
    EXPECT_TRUE(support::PumpUntil([&] { return RunValue() == "<none>"; }, 15000));
    EXPECT_TRUE(started.Close());
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, RUN_KEY, "Wordlumo");
}

// The Run value of another copy (an older install, a moved folder) is not
// this one's: choosing the item makes it start this copy. This copy's path
// in other letter case and without the switch is still this copy: choosing
// the item then takes it away.
TEST_F(SettingsTest, StartWithWindowsOfAnotherCopyIsMadeThisCopysAndThisCopyIsKnownInAnyCase)
{
    const std::string other = "\"C:\\Old\\Zeto.exe\" /workdir \"C:\\Old\"";
    std::string upper = support::BuiltZeto();
    for (char& c : upper)
        c = (char)std::toupper((unsigned char)c);
    ASSERT_NE(upper, support::BuiltZeto());
    auto setRunValue = [](const std::string& command) {
        ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, RUN_KEY, "Wordlumo", REG_SZ, command.c_str(),
                                    (DWORD)command.size() + 1), ERROR_SUCCESS);
    };
    setRunValue(other);
    support::ZetoProcess zeto(m_dir->Path());
    HWND main = zeto.WaitForMain();
    ASSERT_TRUE(main);
    const std::string mine = "\"" + support::BuiltZeto() + "\" /workdir \"" + m_dir->Path() + "\"";
    ::PostMessageA(main, WM_COMMAND, ID_START_WITH_WINDOWS, 0);
    EXPECT_TRUE(support::PumpUntil([&] { return RunValue() == mine; }, 15000)) << RunValue();

    setRunValue("\"" + upper + "\"");
    ::PostMessageA(main, WM_COMMAND, ID_START_WITH_WINDOWS, 0);
    EXPECT_TRUE(support::PumpUntil([&] { return RunValue() == "<none>"; }, 15000)) << RunValue();
    EXPECT_TRUE(zeto.Close());
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, RUN_KEY, "Wordlumo");
}

} // namespace

// Zeto.ini's reader and writer, the rectangle brought back onto a screen,
// and the command Zeto is started with from the Run key.
#include "settings/SettingsText.h"
#include "settings/HotkeyText.h"
#include "settings/Settings.h"
#include "settings/StartupCommand.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {

TEST(SettingsText, WhatIsWrittenReadsBackTheSame)
{
    const std::string bytes = FormatSettings({{"TimeoutSec", "7"}, {"FontFace", "Times New Roman"}, {"X", "-5"}});
    EXPECT_EQ(bytes, "[Zeto]\r\nTimeoutSec=7\r\nFontFace=Times New Roman\r\nX=-5\r\n");
    const SettingsText text = ParseSettings(bytes);
    ASSERT_FALSE(text.damaged);
    int n = 0;
    EXPECT_TRUE(ReadInt(text, "TimeoutSec", 1, 10, n));
    EXPECT_EQ(n, 7);
    EXPECT_TRUE(ReadInt(text, "X", -10, 10, n));
    EXPECT_EQ(n, -5);
    std::string face;
    EXPECT_TRUE(ReadString(text, "FontFace", 31, face));
    EXPECT_EQ(face, "Times New Roman");
}

TEST(SettingsText, CommentsBlankLinesSectionsAndUnknownKeysAreNoDamage)
{
    const SettingsText text = ParseSettings("; mine\n\n[Other]\n  Unknown = 1 \n# note\nTimeoutSec=4");
    EXPECT_FALSE(text.damaged);
    EXPECT_EQ(text.values.at("Unknown"), "1");
    int n = 0;
    EXPECT_TRUE(ReadInt(text, "TimeoutSec", 1, 10, n));
    EXPECT_EQ(n, 4);
}

// Each bad line is damage that costs that line alone; the lines around it
// keep their values.
TEST(SettingsText, ABadLineCostsOnlyItselfAndAHugeFileIsDamagedWhole)
{
    const std::string good = "TimeoutSec=4\r\n", after = "\r\nFontSize=90\r\n";
    for (const std::string& bad : {std::string("TimeoutSec=5\0", 13), std::string("TimeoutSec=5\x01"),
                                   std::string("just words"), std::string("=4"), std::string("Time out=4"),
                                   "A=" + std::string(MAX_LINE_BYTES, 'x')}) {
        const SettingsText text = ParseSettings(good + bad + after);
        EXPECT_TRUE(text.damaged) << bad;
        EXPECT_EQ(text.values.size(), 2u) << bad;
        EXPECT_EQ(text.values.count("TimeoutSec") ? text.values.at("TimeoutSec") : "", "4") << bad;
        EXPECT_EQ(text.values.count("FontSize") ? text.values.at("FontSize") : "", "90") << bad;
    }
    EXPECT_FALSE(ParseSettings("A=" + std::string(MAX_LINE_BYTES - 2, 'x')).damaged);
    std::string many = "TimeoutSec=4\n";
    while (many.size() <= MAX_FILE_BYTES)
        many += "; a comment line\n";
    EXPECT_TRUE(ParseSettings(many).damaged);
    EXPECT_TRUE(ParseSettings(many).values.empty()) << "a file too big to be ours gives no values";
}

// Values are kept as Windows-1251 bytes; the file is UTF-8, with or without
// Notepad's byte order mark, or Windows-1251 as older files were.
TEST(SettingsText, UTF8WithOrWithoutAByteOrderMarkAndOlderWindows1251AreRead)
{
    const std::string utf8 = u8"[Zeto]\r\nIgnoredPrograms=Речник.exe;Ёлка.exe\r\nTimeoutSec=4\r\n";
    const std::string cp1251 = "IgnoredPrograms=\xD0\xE5\xF7\xED\xE8\xEA.exe;\xA8\xEB\xEA\xE0.exe\r\nTimeoutSec=4";
    for (const std::string& bytes : {utf8, std::string(UTF8_BOM) + utf8, cp1251}) {
        const SettingsText text = ParseSettings(bytes);
        EXPECT_FALSE(text.damaged) << bytes;
        EXPECT_EQ(text.values.at("IgnoredPrograms"), "\xD0\xE5\xF7\xED\xE8\xEA.exe;\xA8\xEB\xEA\xE0.exe");
        EXPECT_EQ(text.values.at("TimeoutSec"), "4");
    }
    EXPECT_EQ(FormatSettings({{"IgnoredPrograms", "\xD0\xE5\xF7\xED\xE8\xEA.exe"}}),
              u8"[Zeto]\r\nIgnoredPrograms=Речник.exe\r\n") << "written as UTF-8, without a mark";
}

TEST(SettingsText, AValueOutOfRangeOrNotANumberIsNotTaken)
{
    const SettingsText text = ParseSettings("A=11\nB=0x3\nC=\nD=99999999999999999999\nE=-\nF=+3\nG=3 4\n");
    ASSERT_FALSE(text.damaged);
    for (const char* key : {"A", "B", "C", "D", "E", "F", "G", "Missing"}) {
        int n = 42;
        EXPECT_FALSE(ReadInt(text, key, 1, 10, n)) << key;
        EXPECT_EQ(n, 42) << key;
    }
    std::string s = "kept";
    EXPECT_FALSE(ReadString(text, "C", 31, s));
    EXPECT_FALSE(ReadString(ParseSettings("F=" + std::string(32, 'f')), "F", 31, s));
    EXPECT_EQ(s, "kept");
}

TEST(BringInside, AWindowOffTheScreenComesBackWholeAndOneOnItStays)
{
    const Rect screen{0, 0, 1280, 1024};
    auto same = [](Rect a, Rect b) { return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom; };
    EXPECT_TRUE(same(BringInside({100, 100, 400, 300}, screen), {100, 100, 400, 300}));
    EXPECT_TRUE(same(BringInside({3000, 2000, 3300, 2200}, screen), {980, 824, 1280, 1024}));
    EXPECT_TRUE(same(BringInside({-3000, -50, -2700, 150}, screen), {0, 0, 300, 200}));
    EXPECT_TRUE(same(BringInside({10, 10, 2010, 20}, screen), {0, 10, 2000, 20})) << "too wide: its left edge shows";
}

TEST(StartupCommand, NamesTheProgramAndItsWorkingDirectoryAndReadsBack)
{
    const std::wstring command = StartupCommand(L"C:\\Program Files\\W\\Zeto.exe", L"C:\\Users\\\u0418\u0432\u0430\u043d\\My Words");
    EXPECT_EQ(command, L"\"C:\\Program Files\\W\\Zeto.exe\" /workdir \"C:\\Users\\\u0418\u0432\u0430\u043d\\My Words\"");
    EXPECT_EQ(WorkDirOf(command), L"C:\\Users\\\u0418\u0432\u0430\u043d\\My Words");
    EXPECT_EQ(WorkDirOf(L"/workdir D:\\w"), L"D:\\w");
    EXPECT_EQ(WorkDirOf(L"\"C:\\a /workdir b\\Zeto.exe\""), L"") << "a switch inside the program's name is none";
    EXPECT_EQ(WorkDirOf(L"Zeto.exe"), L"");
    EXPECT_EQ(WorkDirOf(L"Zeto.exe /workdir"), L"");
}

// The program a Run value starts, compared with this copy's path.
TEST(StartupCommand, ProgramOfTakesThePathWithOrWithoutQuotes)
{
    EXPECT_EQ(ProgramOf(StartupCommand(L"C:\\Program Files\\W\\Zeto.exe", L"C:\\W")), L"C:\\Program Files\\W\\Zeto.exe");
    EXPECT_EQ(ProgramOf(L"C:\\W\\Zeto.exe /workdir C:\\W"), L"C:\\W\\Zeto.exe");
    EXPECT_EQ(ProgramOf(L"  \"C:\\W\\Zeto.exe\""), L"C:\\W\\Zeto.exe");
    EXPECT_EQ(ProgramOf(L"\"C:\\W\\Zeto.exe"), L"C:\\W\\Zeto.exe") << "an unclosed quote ends with the text";
    EXPECT_EQ(ProgramOf(L""), L"");
}

// Every setting comes back as written; a value that makes no sense keeps
// its default and its key is named, and the window's place counts only whole.
TEST(Settings, WrittenSettingsReadBackAndNonsenseKeepsTheDefault)
{
    Settings mine;
    mine.timeoutSec = 7;
    mine.tipFontFace = "Times New Roman";
    mine.tipFontSize = 120;
    mine.keyboardInput = 1;
    mine.showPronunciation = 0;
    mine.speakHotkey = {HOTKEY_SHIFT | HOTKEY_WIN, 0x78};
    mine.ignoredPrograms = "";
    mine.windowTopLeft = std::make_pair(-20, 30);
    std::vector<std::string> rejected;
    const Settings read = ReadSettings(ParseSettings(WriteSettings(mine)), rejected);
    EXPECT_TRUE(rejected.empty());
    EXPECT_EQ(WriteSettings(read), WriteSettings(mine));
    EXPECT_EQ(read.ignoredPrograms, std::optional<std::string>("")) << "an empty list is a list";

    const Settings defaults;
    const Settings bad = ReadSettings(
        ParseSettings("TimeoutSec=11\nKeepHistory=2\nFontSize=9\nPauseHotkey=Z\nSpeakHotkey=Ctrl+Alt+Z\nWindowLeft=5"),
        rejected);
    EXPECT_EQ(rejected, (std::vector<std::string>{"TimeoutSec", "FontSize", "KeepHistory", "PauseHotkey", "SpeakHotkey"}));
    EXPECT_EQ(WriteSettings(bad), WriteSettings(defaults)) << "the speak key may not be the pause key";
    EXPECT_FALSE(bad.windowTopLeft);
}

} // namespace

// Written and read back alike; a text Zeto never writes, or a hotkey that
// typing would trigger, is refused and leaves the old one.
TEST(HotkeyText, RoundTripsAndRefusesWhatItNeverWrites)
{
    using settings::Hotkey;
    for (Hotkey key : {Hotkey{settings::HOTKEY_CTRL | settings::HOTKEY_ALT, 'Z'},
                       Hotkey{settings::HOTKEY_SHIFT | settings::HOTKEY_WIN, 0x78}, Hotkey{settings::HOTKEY_CTRL, 0xBA},
                       Hotkey{}}) {
        Hotkey read{1, 1};
        EXPECT_TRUE(settings::ParseHotkey(settings::HotkeyText(key), read)) << settings::HotkeyText(key);
        EXPECT_EQ(key, read);
    }
    EXPECT_EQ("Ctrl+Alt+Z", settings::HotkeyText({settings::HOTKEY_CTRL | settings::HOTKEY_ALT, 'Z'}));
    EXPECT_EQ("Shift+Win+F9", settings::HotkeyText({settings::HOTKEY_SHIFT | settings::HOTKEY_WIN, 0x78}));
    const Hotkey old{settings::HOTKEY_ALT, 'Q'};
    for (const char* bad : {"Z", "Shift+Z", "Ctrl+", "Ctrl+Ctrl+Z", "ctrl+alt+z", "Ctrl+Alt+Key0", "Ctrl+Alt+Key256", ""}) {
        Hotkey read = old;
        EXPECT_FALSE(settings::ParseHotkey(bad, read)) << bad;
        EXPECT_EQ(old, read);
    }
}

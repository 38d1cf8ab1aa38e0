// Zeto.ini's reader and writer, the rectangle brought back onto a screen,
// and the command Zeto is started with from the Run key.
#include "settings/SettingsText.h"
#include "settings/HotkeyText.h"
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

TEST(SettingsText, BinaryBytesNulsLongLinesAndHugeFilesAreDamage)
{
    EXPECT_TRUE(ParseSettings(std::string("TimeoutSec=4\0\n", 14)).damaged);
    EXPECT_TRUE(ParseSettings("TimeoutSec=4\x01\n").damaged);
    EXPECT_TRUE(ParseSettings("just words\n").damaged);
    EXPECT_TRUE(ParseSettings("=4\n").damaged);
    EXPECT_TRUE(ParseSettings("Time out=4\n").damaged);
    EXPECT_TRUE(ParseSettings("A=" + std::string(MAX_LINE_BYTES, 'x')).damaged);
    EXPECT_FALSE(ParseSettings("A=" + std::string(MAX_LINE_BYTES - 2, 'x')).damaged);
    std::string many;
    while (many.size() <= MAX_FILE_BYTES)
        many += "; a comment line\n";
    EXPECT_TRUE(ParseSettings(many).damaged);
    EXPECT_TRUE(ParseSettings("A=1\n\xff\xfe\x00").values.empty()) << "a damaged file gives no values";
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
    const std::string command = StartupCommand("C:\\Program Files\\W\\Zeto.exe", "C:\\Users\\me\\My Words");
    EXPECT_EQ(command, "\"C:\\Program Files\\W\\Zeto.exe\" /workdir \"C:\\Users\\me\\My Words\"");
    EXPECT_EQ(WorkDirOf(command), "C:\\Users\\me\\My Words");
    EXPECT_EQ(WorkDirOf("/workdir D:\\w"), "D:\\w");
    EXPECT_EQ(WorkDirOf("\"C:\\a /workdir b\\Zeto.exe\""), "") << "a switch inside the program's name is none";
    EXPECT_EQ(WorkDirOf("Zeto.exe"), "");
    EXPECT_EQ(WorkDirOf("Zeto.exe /workdir"), "");
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

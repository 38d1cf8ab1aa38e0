#include "capture/KeepOut.h"
#include "capture/SelectionGesture.h"

#include <gtest/gtest.h>

namespace {
const GestureMetrics METRICS{4, 4, 4, 4, 500};

void Click(SelectionGesture& g, int x, int y, unsigned time)
{
    g.Press(x, y, time);
    g.Release(x, y);
}
}  // namespace

TEST(SelectionGesture, PlainClickIsNoSelection)
{
    SelectionGesture g(METRICS);
    Click(g, 100, 100, 1000);
    EXPECT_FALSE(g.TakeSelection());
}

TEST(SelectionGesture, DragBeyondTheDragRectangleIsOneSelection)
{
    SelectionGesture g(METRICS);
    g.Press(100, 100, 1000);
    g.Release(102, 102);   // within: a click that wobbled
    EXPECT_FALSE(g.TakeSelection());
    g.Press(100, 100, 5000);
    g.Release(103, 100);
    EXPECT_TRUE(g.TakeSelection());
    EXPECT_TRUE(g.LastWasDrag());
    EXPECT_EQ(100, g.PressX());
    EXPECT_FALSE(g.TakeSelection()) << "taken once";
}

TEST(SelectionGesture, DoubleClickEndsOnItsSecondRelease)
{
    SelectionGesture g(METRICS);
    Click(g, 100, 100, 1000);
    EXPECT_FALSE(g.TakeSelection());
    Click(g, 101, 101, 1400);
    EXPECT_TRUE(g.TakeSelection());
    EXPECT_FALSE(g.LastWasDrag());
    Click(g, 101, 101, 1600);   // a third click begins afresh
    EXPECT_FALSE(g.TakeSelection());
}

TEST(SelectionGesture, SlowOrDistantSecondClickIsNoDoubleClickButOneAcrossTheClockWrapIs)
{
    SelectionGesture g(METRICS);
    Click(g, 100, 100, 1000);
    Click(g, 100, 100, 1501);
    EXPECT_FALSE(g.TakeSelection());
    Click(g, 100, 100, 3000);
    Click(g, 103, 100, 3100);
    EXPECT_FALSE(g.TakeSelection());
    Click(g, 0, 0, 0xFFFFFF00u);
    Click(g, 0, 0, 0x00000010u);
    EXPECT_TRUE(g.TakeSelection());
}

TEST(KeepOut, ConsolesAndTerminalsOnly)
{
    for (const char* console : {"ConsoleWindowClass", "CASCADIA_HOSTING_WINDOW_CLASS", "mintty", "PuTTY"})
        EXPECT_TRUE(IsConsoleWindowClass(console)) << console;
    EXPECT_FALSE(IsConsoleWindowClass("Edit"));
    EXPECT_FALSE(IsConsoleWindowClass("consolewindowclass"));
    EXPECT_TRUE(IsTerminalProgram("windowsterminal.EXE"));
    EXPECT_FALSE(IsTerminalProgram("notepad.exe"));
}

// The list as typed in Options: lines or ';', blanks, repeats in other
// letter case; the names compare without case, Cyrillic too.
TEST(KeepOut, TheIgnoredListReadsAsTheUserWroteIt)
{
    const auto names = ParseProgramList(" Code.exe \r\n\r\nKeePassXC.exe;code.EXE;\xc8\xe3\xf0\xe0.exe\n");
    ASSERT_EQ(3u, names.size());
    EXPECT_EQ("Code.exe;KeePassXC.exe;\xc8\xe3\xf0\xe0.exe", JoinProgramList(names, ";"));
    EXPECT_TRUE(ListHoldsProgram(names, "keepassxc.exe"));
    EXPECT_TRUE(ListHoldsProgram(names, "\xe8\xe3\xf0\xe0.EXE"));   // игра.exe
    EXPECT_FALSE(ListHoldsProgram(names, "KeePassXC"));
    EXPECT_EQ("notepad.exe", ProgramFileName("C:\\windows\\system32\\notepad.exe"));
    EXPECT_EQ("a.exe", ProgramFileName("a.exe"));
    EXPECT_TRUE(ParseProgramList(" ; \n").empty());
    EXPECT_TRUE(ListHoldsProgram(DefaultIgnoredPrograms(), "keepass.exe"));
}

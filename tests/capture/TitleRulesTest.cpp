#include "capture/TitleRules.h"

#include <gtest/gtest.h>

TEST(TitleRules, NameAfterDocumentAndDashIsRecognised)
{
    EXPECT_EQ(TitleKind::Editor, RecognizeTitle("notes.txt - Notepad"));
    EXPECT_EQ(TitleKind::Editor, RecognizeTitle("letter.doc - WordPad"));
    EXPECT_EQ(TitleKind::Editor, RecognizeTitle("Report - Microsoft Word"));
    EXPECT_EQ(TitleKind::Browser, RecognizeTitle("Home page - Microsoft Internet Explorer"));
    EXPECT_EQ(TitleKind::Acrobat, RecognizeTitle("manual.pdf - Acrobat Reader"));
}

TEST(TitleRules, TitleThatBeginsWithTheNameIsNotRecognised)
{
    EXPECT_EQ(TitleKind::Unknown, RecognizeTitle("Notepad"));
    EXPECT_EQ(TitleKind::Unknown, RecognizeTitle("Acrobat Reader"));
    EXPECT_EQ(TitleKind::Unknown, RecognizeTitle("Microsoft Internet Explorer"));
    EXPECT_FALSE(NameFollowsStart("Notepad", "Notepad"));
    EXPECT_TRUE(NameFollowsStart("xNotepad", "Notepad"));
}

TEST(TitleRules, TitleThatBeginsWithTheNameDoesNotMatchEvenWhenTheNameComesAgain)
{
    EXPECT_EQ(TitleKind::Unknown, RecognizeTitle("Acrobat.pdf - Acrobat Reader"));
    EXPECT_FALSE(NameFollowsStart("Notepad notes - Notepad", "Notepad"));
    EXPECT_FALSE(TitleNamesHelp("Help - Help Topics"));
}

TEST(TitleRules, NamesAreCaseSensitive)
{
    EXPECT_EQ(TitleKind::Unknown, RecognizeTitle("notes.txt - notepad"));
    EXPECT_EQ(TitleKind::Unknown, RecognizeTitle("page - microsoft internet explorer"));
    EXPECT_FALSE(TitleNamesHelp("Windows help"));
}

TEST(TitleRules, FirstNameInTheListDecides)
{
    // Both names follow the start; "Notepad" comes first in the list.
    EXPECT_EQ(TitleKind::Editor, RecognizeTitle("Acrobat tips - Notepad"));
    EXPECT_EQ(TitleKind::Browser, RecognizeTitle("Acrobat - Microsoft Internet Explorer"));
}

TEST(TitleRules, UnknownAndEmptyTitles)
{
    EXPECT_EQ(TitleKind::Unknown, RecognizeTitle(""));
    EXPECT_EQ(TitleKind::Unknown, RecognizeTitle("Calculator"));
    EXPECT_FALSE(TitleNamesHelp(""));
}

TEST(TitleRules, HelpAfterTheFirstCharacter)
{
    EXPECT_TRUE(TitleNamesHelp("Windows Help"));
    EXPECT_TRUE(TitleNamesHelp("xHelp"));
    EXPECT_FALSE(TitleNamesHelp("Help"));
    EXPECT_FALSE(TitleNamesHelp("Help Topics"));
}

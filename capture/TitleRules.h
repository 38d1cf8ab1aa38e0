// Recognising the target application from its window title. Pure text
// rules, so they build and are tested on every platform.
#pragma once
#include <string>

// The characters of another window's title that Zeto keeps.
constexpr int TITLE_MAX_CHARS = 255;

// What the title alone says about how the target copies.
enum class TitleKind {
    Unknown,   // no known name: the window tree decides
    Editor,    // Notepad, WordPad, Microsoft Word: WM_COPY
    Browser,   // Microsoft Internet Explorer: its copy command
    Acrobat,   // Acrobat: an item of its third menu
};

// True when name occurs in title at a position greater than 0. A title that
// begins with the name does not count: applications put their name after the
// document's name and a dash, and a document may well be called "Acrobat".
bool NameFollowsStart(const std::string& title, const char* name);

// The first of "Notepad", "WordPad", "Microsoft Word",
// "Microsoft Internet Explorer", "Acrobat" that follows the start of title
// (case-sensitive) decides.
TitleKind RecognizeTitle(const std::string& title);

// A help viewer names itself "… Help" (and "Help" is not just the document).
bool TitleNamesHelp(const std::string& title);

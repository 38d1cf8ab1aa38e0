// Texts where they meet Windows. The program keeps its texts as
// Windows-1251 bytes; its windows are Unicode windows, so a text is
// converted here, on its way in or out, and shows right whatever the
// system's code page for non-Unicode programs.
//
// The A/W rule: paths (the program's, the working directory, the command
// line, every file Zeto opens: OpenFileNamed), the registry and any text
// that may hold letters outside the code page go through the W calls as
// UTF-16. An A call converts through the code page, and on an English
// Windows a Cyrillic folder name becomes "?". What stays A is ASCII by
// nature: registered message and class names, clipboard format names,
// menu and dialog resources addressed by number.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

// At most maxChars characters when maxChars is not negative.
std::string WindowTextOf(HWND hwnd, int maxChars = -1);
std::wstring WideWindowTextOf(HWND hwnd, int maxChars = -1);
void SetWindowTextOf(HWND hwnd, const std::string& text);
void SetItemText(HWND dialog, int id, const std::string& text);

// A text in the system's code page for non-Unicode programs (another
// program's CF_TEXT), in UTF-16, and in Windows-1251.
std::wstring WideFromAnsiCodePage(const std::string& text);
std::string FromAnsiCodePage(const std::string& text);

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// A file named in Windows-1251, opened (fopen's modes) or created for
// writing through the Unicode calls: the name, or the working directory it
// is taken relative to, may hold letters the system's code page lacks.
FILE* OpenFileNamed(const std::string& name, const char* mode);
HANDLE OpenFileForWriting(const std::string& name);

// A list box's items: the index of the added one, or LB_ERR; an item's text
// ("" when there is no such item).
LRESULT AddListItem(HWND list, const std::string& text);
std::string ListItemText(HWND list, LRESULT index);

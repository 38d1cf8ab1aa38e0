// Where Zeto keeps out, in one place: the programs where it never captures
// (the user's list, with the known password managers on it at first), and
// the terminals where it never presses Ctrl+C (there Ctrl+C stops the
// program running in it). Names are file names in Windows-1251, compared
// without regard to case.
#pragma once
#include <string>
#include <vector>

// The user's list fits one Zeto.ini line.
constexpr int IGNORED_PROGRAMS_MAX_CHARS = 900;

// The list a new user starts with.
std::vector<std::string> DefaultIgnoredPrograms();

// The window classes of consoles and terminals.
bool IsConsoleWindowClass(const char* className);
// Terminals, remote-desktop and virtual-machine windows, by program.
bool IsTerminalProgram(const std::string& fileName);

// The file name at the end of a path ("C:\\Windows\\notepad.exe": "notepad.exe").
std::string ProgramFileName(const std::string& path);
// The list as the user writes it, one name per line or separated by ';':
// blanks around a name go, empty names and repeats are dropped.
std::vector<std::string> ParseProgramList(const std::string& text);
std::string JoinProgramList(const std::vector<std::string>& names, const char* separator);
bool ListHoldsProgram(const std::vector<std::string>& names, const std::string& fileName);

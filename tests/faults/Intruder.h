// intruder.exe: another process on the desktop that misbehaves towards Zeto.
#pragma once
#include "tests/support/Process.h"

#include <windows.h>

#include <string>

// intruder.exe, started beside this test program.
class Intruder : public support::Process {
public:
    explicit Intruder(const std::string& arguments)
        : support::Process(support::BesideThisProgram("intruder.exe", arguments))
    {
    }
};

// A named manual-reset event shared with the intruder.
inline HANDLE NamedEvent(const std::string& name) { return ::CreateEventA(nullptr, TRUE, FALSE, name.c_str()); }

// clipboard-source: a WM_COPYDATA whose dwData is this copies as a user's
// program might: the text, a picture (CF_BITMAP) and INTRUDER_RICH_FORMAT, a
// registered format of the program's (the text's bytes again) that Zeto
// knows how to keep.
constexpr ULONG_PTR INTRUDER_COPY_RICH = 1;
constexpr char INTRUDER_RICH_FORMAT[] = "HTML Format";

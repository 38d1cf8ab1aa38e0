// intruder.exe: another process on the desktop that misbehaves towards Zeto.
#pragma once
#include <windows.h>

#include <string>

// intruder.exe, started beside this test program.
class Intruder {
public:
    explicit Intruder(const std::string& arguments);
    ~Intruder();
    bool Started() const { return m_process != nullptr; }
    // Pumps this thread's messages until the intruder exits; its exit code.
    DWORD WaitForExit(DWORD timeoutMs = 60000);
    HANDLE Process() const { return m_process; }
private:
    HANDLE m_process = nullptr;
};

// A named manual-reset event shared with the intruder.
HANDLE NamedEvent(const std::string& name);


// clipboard-source: a WM_COPYDATA whose dwData is this copies as a user's
// program might: the text, a picture (CF_BITMAP) and INTRUDER_RICH_FORMAT, a
// registered format of the program's (the text's bytes again) that Zeto
// knows how to keep.
constexpr ULONG_PTR INTRUDER_COPY_RICH = 1;
constexpr char INTRUDER_RICH_FORMAT[] = "HTML Format";
// target: the class of the target's pane, the window a selection is made in.
constexpr char INTRUDER_TARGET_PANE[] = "WordlumoIntruderPane";

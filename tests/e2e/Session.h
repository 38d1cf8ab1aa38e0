// One run of Zeto.exe beside Wine Notepad, as the end-to-end tests see it:
// a scratch working directory with a small dictionary, Zeto started there,
// and ways to read Zeto's state (edit 1001, its tooltips) from outside, the
// way a user sees it.
#pragma once
#include "tests/support/Pump.h"
#include "tests/support/ScratchDir.h"
#include "tests/support/ZetoProcess.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

inline bool WaitFor(const std::function<bool()>& cond, DWORD timeoutMs = 10000)
{ return support::PumpUntil(cond, timeoutMs); }

class Session {
public:
    // The words of the test dictionary and their translations (Windows-1251).
    static const char APPLE[];
    static const std::string APPLE_BG;
    static const char HOUSE[];
    static const std::string HOUSE_BG;
    static const char CHILD[];      // reached from "children" through forms.dat
    static const std::string CHILD_BG;
    static const std::string USAGE_HINT;
    // How APPLE and HOUSE are said, in pron.dat when the session is started
    // with saidWords (the benchmark's); else pron.dat holds neither.
    static const char APPLE_SAID[];
    static const char HOUSE_SAID[];

    // Checks that xdotool can be reached, finds Notepad (title notepadTitle),
    // lays the desktop out, writes the dictionary into a fresh directory and
    // starts zetoExe there.
    bool Start(const std::string& zetoExe, const std::string& notepadTitle, bool saidWords = false);
    // Zeto is ended (if it still runs), its directory removed and Notepad
    // closed: its file was never changed, so it asks nothing.
    ~Session();

    HWND zeto() const { return m_zeto; }
    HWND notepad() const { return m_notepad; }
    HWND notepadEdit() const { return m_edit; }
    const std::string& notepadTitle() const { return m_notepadTitle; }
    HANDLE zetoProcess() const { return m_process->Handle(); }
    // Zeto's working directory, where it keeps Zeto.ini.
    const std::string& dir() const { return m_dir->Path(); }

    // Screen point in the middle of character col of line in Notepad's edit.
    POINT CharPoint(int line, int col) const;
    std::string NotepadText() const;

    std::string ZetoText(int id) const;
    void SetZetoText(int id, const std::string& text) const;
    // Zeto's menu command, posted: it may open modal dialogs.
    void Command(UINT id) const;
    // Returns once Zeto's thread has come back to its message loop.
    bool Sync() const;
    // A visible dialog of Zeto with that caption, or null.
    HWND Dialog(const char* caption) const;
    // A visible tooltip of Zeto showing text, or null.
    HWND VisibleTip(const std::string& text) const;

    std::string error;

private:
    // A fresh working directory (this program's too) with the dictionary.
    void WriteDictionary(bool saidWords);
    bool StartZeto(const std::string& zetoExe);

    std::unique_ptr<support::ScratchDir> m_dir;
    std::string m_notepadTitle;
    std::unique_ptr<support::ZetoProcess> m_process;
    HWND m_zeto = nullptr;
    HWND m_notepad = nullptr;
    HWND m_edit = nullptr;
};


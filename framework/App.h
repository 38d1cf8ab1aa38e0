// CWinApp: the one application object. The entry point hands the process to
// Run, which calls InitInstance; an application that runs its main window
// modally there returns false and the process ends when Run returns.
#pragma once
#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Get() { return s_pApp; }

    virtual bool InitInstance() = 0;
    // InitInstance, then a message loop only when it returned true. The result
    // is the process exit code.
    int Run(HINSTANCE hInstance);

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;   // the application ends when this window is destroyed

private:
    static CWinApp* s_pApp;
};

constexpr unsigned LONGEST_PATH_CHARS = 32768;   // the longest path Windows takes, its end included

// The executable's full path, through the W call: the folder may be named in
// letters outside the code page, and a path longer than MAX_PATH is no
// reason to lose the name. Empty when unknown.
std::wstring ProgramPath();

// The executable's base name without its extension ("Zeto"): the caption of
// the framework's own message boxes.
std::string ExecutableBaseName();

// The framework's standard message box: OK, the exclamation icon, the
// executable's base name as caption.
int FrameworkMessageBox(HWND owner, const std::string& text);

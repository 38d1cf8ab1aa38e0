// CWnd: a C++ object bound to one window.
//
// The life of a message, the one place it is told:
// 1. Binding. CreateEx (and CDialog's DoModal and Create) hold a BirthHook
//    while the window is made; at its birth the window is subclassed: the
//    object goes into its user data and StaticProc becomes its procedure,
//    so the object sees even WM_NCCREATE and WM_CREATE. The class's own
//    procedure ("STATIC", the system's dialog procedure) is kept for Default.
// 2. Dispatch. StaticProc finds the object and calls the one virtual
//    handler, WindowProc. While UpdateData holds a NotifyLockout, control
//    notifications (WM_COMMAND from a control, WM_NOTIFY) stop here.
// 3. Tables. WindowProc scans the message table of the most derived class,
//    then those of its bases (MessageMap.h); the first entry that matches
//    unpacks the message and calls its member handler, whose result is the
//    message's result. Registered messages match the numbers obtained at
//    start-up.
// 4. Default. A message no entry claims, or a handler that calls Default(),
//    goes to the class's own procedure: for a dialog the system's dialog
//    manager, whose dialog procedure (CDialog::DialogProc) adds nothing.
// 5. End. At WM_NCDESTROY the object lets go of the window; when it was the
//    application's main window, the message loop is told to quit.
#pragma once
#include "framework/MessageMap.h"

#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // Creates a window of any registered class and binds it to this object
    // before its first message (WM_NCCREATE). False when creation failed.
    // The window is a Unicode window; className is ASCII, text Windows-1251.
    bool CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style, const RECT& rect,
                  HWND parent, UINT_PTR idOrMenu);
    // Binds an existing window (a dialog control) without taking its messages
    // or its ownership: the object only names the window.
    void Attach(HWND hwnd) { m_hWnd = hwnd; }
    HWND Detach();
    void DestroyWindow();

    // Windows-1251 texts of a Unicode window (framework/Text.h).
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    { return ::SendMessageW(m_hWnd, msg, wParam, lParam); }

    // The one virtual handler: the message tables, then default processing.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // The message being handled takes its default course (the class's own
    // procedure, or DefWindowProc); a handler calls it to pass the message
    // on, before or after its own work.
    LRESULT Default();

    // While a lock-out is held, control notifications (WM_COMMAND from a
    // control, WM_NOTIFY) are not dispatched; UpdateData holds one.
    class NotifyLockout {
    public:
        explicit NotifyLockout(CWnd& wnd) : m_wnd(wnd) { ++m_wnd.m_nNotifyLockout; }
        ~NotifyLockout() { --m_wnd.m_nNotifyLockout; }
        NotifyLockout(const NotifyLockout&) = delete;
        NotifyLockout& operator=(const NotifyLockout&) = delete;
    private:
        CWnd& m_wnd;
    };
    bool IsNotifyLockedOut() const { return m_nNotifyLockout > 0; }

protected:
    // The class's table, chained to its base's; CWnd's is the empty end.
    virtual const MessageMap* GetMessageMap() const;

    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    friend class BirthHook;
    void AttachAtBirth(HWND hwnd);
    void Unbind();

    struct Current { UINT msg; WPARAM wParam; LPARAM lParam; };
    Current m_current{};
    WNDPROC m_pfnSuper = nullptr;   // the class's own procedure
    int m_nNotifyLockout = 0;
};

// Holds, for one window creation on this thread, the object that the next
// created window is bound to (a CBT hook of this thread only, removed at
// once). The system's dialog manager gives us a dialog only after it sent
// WM_CREATE; this is how the dialog object still sees WM_CREATE.
class BirthHook {
public:
    explicit BirthHook(CWnd* pWnd);
    ~BirthHook();
    BirthHook(const BirthHook&) = delete;
    BirthHook& operator=(const BirthHook&) = delete;
private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
};

// Stand-ins for the applications Zeto copies from, one per kind, run by
// copy_target.exe or in a thread of a test:
// browser     a child of class "Internet Explorer_Server" on a first-child
//             chain, which copies "house" on WM_COMMAND 15; the top copies
//             "apple" on WM_COMMAND 41026 when lParam is its menu
// help        a menu whose second menu's first item (id 501) copies "word"
//             (when lParam is the menu)
// helpchild   no menu; a browser child that copies "house" on WM_COMMAND 15
// deep        a browser child that is not the first child of its parent
// pdf         a third menu whose item 4 (id 604) copies "apple" and item 3
//             (id 603) copies "house"
// hang        a child that never answers WM_COPY
// hangall     hangs on any WM_COMMAND or WM_COPY, with the menus of pdf
// keys        like a browser: ignores WM_COPY, copies on Ctrl+C "apple", then
//             "house", in turn
// console     a top window of the console's class that copies "apple" on
//             Ctrl+C, and whose title gains " (key)" at any keystroke
// count       a child with a vertical scrollbar that copies "apple" on
//             WM_COPY; the top's title counts the requests ("copies: N")
// password    a password field: an edit with ES_PASSWORD holding "house", all
//             selected, with the focus; the top's title counts the requests to
//             copy it (WM_COPY, Ctrl+C: "copies: N")
// secret      a password manager: its child copies "house" marked as a secret
//             (ExcludeClipboardContentFromMonitorProcessing) on WM_COPY, on
//             Ctrl+C and on a left release after a right one (its menu's Copy)
// late        a child that answers WM_COPY at once but copies "apple"
//             LATE_COPY_DELAY_MS later; the top's title then counts the late
//             copies ("late copies: N")
// owner       owns the clipboard: CF_TEXT "house", a zero-size block and a
//             format offered for delayed rendering, which it never renders
//             (see CopyTargetWindows.h)
// typist      a pane holding "apple" that takes typed characters and copies
//             all its text on WM_COPY, as an edit with everything selected
//             does; but no edit, which Zeto would read without a copy
// die         a child that ends its process (status 3) when asked to copy
// Whatever copies puts its text on the clipboard as CF_TEXT. A hung stand-in
// waits until ReleaseHungCopyTargets.
#include "CopyTargetWindows.h"

#include "tests/support/Clipboard.h"
#include "tests/support/WindowClass.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {

thread_local std::string g_kind;

HANDLE HangEnd()
{
    static HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    return event;
}

void Hang() { ::WaitForSingleObject(HangEnd(), INFINITE); }

bool IsCtrlC(UINT msg, WPARAM wParam) { return msg == WM_KEYDOWN && wParam == 'C' && ::GetKeyState(VK_CONTROL) < 0; }

// The tests read the clipboard while they wait for a copy: a stand-in waits
// its turn rather than drop the one copy it is asked for.
void Copy(const char* text) { support::PutClipboardText(text); }

LRESULT CALLBACK TopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (g_kind == "hangall" && msg == WM_COMMAND) {
        Hang();
        return 0;
    }
    if (g_kind == "console" && msg == WM_KEYDOWN) {
        char title[128] = "";
        ::GetWindowTextA(hwnd, title, sizeof title);
        ::SetWindowTextA(hwnd, (std::string(title) + " (key)").c_str());
    }
    if (g_kind == "console" && IsCtrlC(msg, wParam))
        Copy("apple");
    if (msg == WM_SETFOCUS && (g_kind == "keys" || g_kind == "secret" || g_kind == "password")) {
        ::SetFocus(::GetWindow(hwnd, GW_CHILD));
        return 0;
    }
    if (msg == WM_COMMAND) {
        bool menuInLParam = (HMENU)lParam == ::GetMenu(hwnd);
        WORD id = LOWORD(wParam);
        if (g_kind == "browser" && id == 41026 && menuInLParam)
            Copy("apple");
        else if (g_kind == "help" && id == 501 && menuInLParam)
            Copy("word");
        else if (g_kind == "pdf" && id == 604 && menuInLParam)
            Copy("apple");
        else if (g_kind == "pdf" && id == 603 && menuInLParam)
            Copy("house");
        return 0;
    }
    if (msg == WM_DESTROY)
        ::PostQuitMessage(0);
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK BrowserProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && wParam == 15 && lParam == 0) {
        Copy("house");
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK HangProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COPY) {
        Hang();
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK KeysProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (IsCtrlC(msg, wParam)) {
        static int copies = 0;
        Copy(copies++ % 2 ? "house" : "apple");
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

void CountCopyRequest(HWND child)
{
    static int copies = 0;
    ::SetWindowTextA(::GetParent(child), ("copies: " + std::to_string(++copies)).c_str());
}

LRESULT CALLBACK CountProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COPY) {
        Copy("apple");
        CountCopyRequest(hwnd);
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

WNDPROC g_editProc = nullptr;

LRESULT CALLBACK PasswordProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COPY || IsCtrlC(msg, wParam))
        CountCopyRequest(hwnd);
    return ::CallWindowProcA(g_editProc, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK LateProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COPY) {
        ::SetTimer(hwnd, 1, LATE_COPY_DELAY_MS, nullptr);
        return 0;
    }
    if (msg == WM_TIMER) {
        static int copies = 0;
        ::KillTimer(hwnd, 1);
        Copy("apple");
        ::SetWindowTextA(::GetParent(hwnd), ("late copies: " + std::to_string(++copies)).c_str());
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK TypistProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_CHAR && msg != WM_COPY)
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    char text[256] = "";
    ::GetWindowTextA(hwnd, text, sizeof text - 1);
    if (msg == WM_CHAR)
        ::SetWindowTextA(hwnd, (text + std::string(1, (char)wParam)).c_str());
    else
        Copy(text);
    return 0;
}

LRESULT CALLBACK DieProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COPY)
        ::ExitProcess(3);
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK SecretProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    static bool menuOpen = false;
    if (msg == WM_RBUTTONUP)
        menuOpen = true;
    if (msg == WM_COPY || IsCtrlC(msg, wParam) || (msg == WM_LBUTTONUP && menuOpen)) {
        menuOpen = false;
        const UINT secret = ::RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
        support::PutClipboardBlocks({{CF_TEXT, std::string("house", 6)}, {secret, std::string(4, '\0')}});
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND Child(HWND parent, const char* className, DWORD style = 0)
{
    return ::CreateWindowA(className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 60, parent, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

HMENU Menus(int count, int itemsInLast, UINT firstIdOfLast)
{
    HMENU bar = ::CreateMenu();
    for (int m = 0; m < count; ++m) {
        HMENU sub = ::CreatePopupMenu();
        int items = m == count - 1 ? itemsInLast : 2;
        for (int i = 0; i < items; ++i) {
            UINT id = m == count - 1 ? firstIdOfLast + i : 100 * (m + 1) + i;
            ::AppendMenuA(sub, MF_STRING, id, ("Item " + std::to_string(i)).c_str());
        }
        ::AppendMenuA(bar, MF_POPUP, (UINT_PTR)sub, ("Menu " + std::to_string(m)).c_str());
    }
    return bar;
}

// Text, a zero-size block, and a format offered for delayed rendering that
// top never renders (it answers WM_RENDERFORMAT as any window does, with nothing).
void OwnClipboard(HWND top)
{
    if (!::OpenClipboard(top))
        return;
    ::EmptyClipboard();
    HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 6);
    std::memcpy(::GlobalLock(text), "house", 6);
    ::GlobalUnlock(text);
    ::SetClipboardData(CF_TEXT, text);
    ::SetClipboardData(::RegisterClipboardFormatA(OWNER_EMPTY_FORMAT), ::GlobalAlloc(GMEM_FIXED, 0));
    ::SetClipboardData(::RegisterClipboardFormatA(OWNER_UNRENDERED_FORMAT), nullptr);
    ::CloseClipboard();
}

}  // namespace

void ReleaseHungCopyTargets() { ::SetEvent(HangEnd()); }

int RunCopyTarget(const char* kind, const char* title)
{
    g_kind = kind;
    ::ResetEvent(HangEnd());
    support::RegisterWindowClass("CopyTargetTop", TopProc);
    support::RegisterWindowClass("CopyTargetPane", DefWindowProcA);
    support::RegisterWindowClass("Internet Explorer_Server", BrowserProc);
    support::RegisterWindowClass("CopyTargetHang", HangProc);
    support::RegisterWindowClass("CopyTargetKeys", KeysProc);
    support::RegisterWindowClass("CopyTargetCount", CountProc);
    support::RegisterWindowClass("CopyTargetSecret", SecretProc);
    support::RegisterWindowClass("CopyTargetLate", LateProc);
    support::RegisterWindowClass("CopyTargetTypist", TypistProc);
    support::RegisterWindowClass("CopyTargetDie", DieProc);
    support::RegisterWindowClass("ConsoleWindowClass", TopProc);

    HMENU menu = nullptr;
    if (g_kind == "browser")
        menu = Menus(2, 2, 200);
    else if (g_kind == "help")
        menu = Menus(2, 2, 501);
    else if (g_kind == "pdf" || g_kind == "hangall")
        menu = Menus(3, 6, 600);
    // Untitled until its tree is complete: whoever finds it by its title
    // finds it whole.
    const char* topClass = g_kind == "console" ? "ConsoleWindowClass" : "CopyTargetTop";
    HWND top = ::CreateWindowA(topClass, "", WS_OVERLAPPEDWINDOW, 900, 600, 200, 150, nullptr, menu,
                               ::GetModuleHandleA(nullptr), nullptr);
    if (g_kind == "browser" || g_kind == "helpchild") {
        // A first child with no children, then a chain: pane > pane > browser.
        Child(top, "CopyTargetPane");
        HWND pane = Child(Child(top, "CopyTargetPane"), "CopyTargetPane");
        Child(pane, "Internet Explorer_Server");
    } else if (g_kind == "deep") {
        // The browser is the second child of its parent: off every first-child chain.
        HWND pane = Child(top, "CopyTargetPane");
        HWND inner = Child(pane, "CopyTargetPane");
        Child(inner, "CopyTargetPane");
        Child(pane, "Internet Explorer_Server");
    } else if (g_kind == "hang" || g_kind == "hangall") {
        Child(top, "CopyTargetHang");
    } else if (g_kind == "keys") {
        ::SetFocus(Child(top, "CopyTargetKeys"));
    } else if (g_kind == "count") {
        Child(top, "CopyTargetCount", WS_VSCROLL);
    } else if (g_kind == "password") {
        HWND edit = ::CreateWindowA("EDIT", "house", WS_CHILD | WS_VISIBLE | ES_PASSWORD, 0, 0, 150, 25, top, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
        g_editProc = (WNDPROC)::SetWindowLongPtrA(edit, GWLP_WNDPROC, (LONG_PTR)PasswordProc);
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
        ::SetFocus(edit);
    } else if (g_kind == "late") {
        Child(top, "CopyTargetLate");
    } else if (g_kind == "secret") {
        ::SetFocus(Child(top, "CopyTargetSecret"));
    } else if (g_kind == "owner") {
        OwnClipboard(top);
    } else if (g_kind == "typist") {
        ::SetWindowTextA(Child(top, "CopyTargetTypist"), "apple");
    } else if (g_kind == "die") {
        Child(top, "CopyTargetDie");
    }
    ::SetWindowTextA(top, title);
    ::ShowWindow(top, SW_SHOWNOACTIVATE);
    support::RunMessageLoop();
    return 0;
}

// Attaching to the target window and making it copy its selection.
#include "ui/MainDlg.h"

#include "capture/AcrobatVersionDlg.h"
#include "capture/CopyRequest.h"
#include "capture/TitleRules.h"
#include "framework/Text.h"

namespace {
constexpr WPARAM CMD_BROWSER_COPY = 41026;   // the browser's Edit > Copy
constexpr WPARAM CMD_BROWSER_CHILD_COPY = 15;
const char BROWSER_CHILD_CLASS[] = "Internet Explorer_Server";

// Menu commands carry their id in the low 16 bits of wParam; a failed lookup
// (-1) so becomes 65535.
WPARAM CommandOf(UINT id) { return LOWORD(id); }

// A command changes the selection's look in some targets; have them repaint.
// Only invalidated: the target paints when it gets to it, and a hung one is
// never waited for.
void Repaint(HWND hwnd) { ::InvalidateRect(hwnd, nullptr, TRUE); }
}  // namespace

// Automatic Attach: the foreground window of each mouse selection becomes the
// target, and its title picks the copy method anew.
void CMainDlg::AttachToWindow(HWND hwnd)
{
    m_pTarget->m_hwndTop = hwnd;
    m_strTargetTitle = WindowTextOf(hwnd, TITLE_MAX_CHARS);
    DetectCopyMethod();
}

void CMainDlg::DetectCopyMethod()
{
    m_nCopyMethod = COPY_OTHER;
    switch (RecognizeTitle(m_strTargetTitle)) {
    case TitleKind::Editor:
        return;
    case TitleKind::Browser:
        m_nCopyMethod = COPY_HTML;
        return;
    case TitleKind::Acrobat:
        m_nAcrobatItem = ACROBAT_5_COPY_ITEM;   // a title names no version: taken for 5.0
        m_nCopyMethod = COPY_PDF;
        return;
    case TitleKind::Unknown:
        break;
    }
    if (FindBrowserChild())
        m_nCopyMethod = COPY_HELP;
}

// For each child of the top-level window, in window order, follows the chain
// of first children downwards and tests each window on it; the direct
// children themselves are not tested. Without a browser child, a title that
// names a help viewer still counts as found (with no child to send to).
// Without a target window nothing is walked: FindWindowEx with no parent
// would walk every window of the desktop.
BOOL CMainDlg::FindBrowserChild()
{
    HWND top = m_pTarget->m_hwndTop;
    HWND branch = top ? ::FindWindowExA(top, nullptr, nullptr, nullptr) : nullptr;
    HWND current = branch;
    while (current) {
        HWND child = ::FindWindowExA(current, nullptr, nullptr, nullptr);
        if (child) {
            char className[64] = "";
            ::GetClassNameA(child, className, sizeof className);
            if (std::string(className) == BROWSER_CHILD_CLASS) {
                m_pTarget->m_hwndChild = child;
                return TRUE;
            }
            current = child;
        } else {
            branch = ::FindWindowExA(top, branch, nullptr, nullptr);
            current = branch;
        }
    }
    m_pTarget->m_hwndChild = nullptr;
    return TitleNamesHelp(m_strTargetTitle);
}

// The browser copies on its own Edit > Copy command (the menu handle goes
// along in lParam, as the browser's own menu would send it).
void CMainDlg::CopyByCommand()
{
    HWND top = m_pTarget->m_hwndTop;
    SendCopyRequest(top, WM_COMMAND, CMD_BROWSER_COPY, (LPARAM)::GetMenu(top), m_copyDeadline.RemainingMs());
    Repaint(top);
}

// A help viewer with a menu copies on the first item of its second menu;
// one without a menu is asked through its browser child.
void CMainDlg::CopyByMenuCommand()
{
    HWND top = m_pTarget->m_hwndTop;
    HMENU menu = ::GetMenu(top);
    if (!menu) {
        CopyInBrowserChild();
        return;
    }
    WPARAM id = CommandOf(::GetMenuItemID(::GetSubMenu(menu, 1), 0));
    SendCopyRequest(top, WM_COMMAND, id, (LPARAM)menu, m_copyDeadline.RemainingMs());
    Repaint(top);
}

// The PDF reader copies on item m_nAcrobatItem of its third menu. Posted: the
// clipboard is read before the reader has necessarily handled it.
void CMainDlg::CopyByAcrobatMenu()
{
    HWND top = m_pTarget->m_hwndTop;
    HMENU menu = ::GetMenu(top);
    WPARAM id = CommandOf(::GetMenuItemID(::GetSubMenu(menu, ACROBAT_COPY_MENU), m_nAcrobatItem));
    ::PostMessageA(top, WM_COMMAND, id, (LPARAM)menu);
    Repaint(top);
}

void CMainDlg::CopyInBrowserChild()
{
    if (FindBrowserChild())
        SendCopyRequest(m_pTarget->m_hwndChild, WM_COMMAND, CMD_BROWSER_CHILD_COPY, 0, m_copyDeadline.RemainingMs());
}

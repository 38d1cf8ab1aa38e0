// The File menu's target commands: Set Window Title, Tool Tip On, Automatic Attach.
#include "ui/MainDlg.h"

#include "hooklib/Tapwire.h"
#include "res/resource.h"

#include <cstdio>

void CMainDlg::OnToolTipOn() {}

BOOL CMainDlg::OnSetWindowTitle() { return FALSE; }

void CMainDlg::OnAutomaticAttach() {}

void CMainDlg::ChooseCaptureMode() {}

// Checks "Tool Tip On" and hooks the target's thread; the main dialog becomes
// top-most. When the hooks can't be installed, edit 1001 shows the system's
// error number and the item stays checked.
void CMainDlg::InstallHooks(HMENU menu)
{
    ::CheckMenuItem(menu, ID_TOOLTIP_ON, MF_BYCOMMAND | MF_CHECKED);
    if (::SetTapwire(m_hWnd, m_pTarget->m_dwThreadId, m_nCaptureMode)) {
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    } else {
        char number[16];
        std::snprintf(number, sizeof number, "%d", (int)::GetLastError());
        ::SetDlgItemTextA(m_hWnd, IDC_TRANSLATION, number);
    }
}

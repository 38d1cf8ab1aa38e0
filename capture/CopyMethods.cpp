// Attaching to the target window and making it copy its selection.
#include "ui/MainDlg.h"

void CMainDlg::AttachToWindow(HWND) {}

void CMainDlg::DetectCopyMethod() {}

BOOL CMainDlg::FindBrowserChild() { return FALSE; }

void CMainDlg::CopyByCommand() {}

void CMainDlg::CopyByMenuCommand() {}

void CMainDlg::CopyByAcrobatMenu() {}

void CMainDlg::CopyInBrowserChild() {}

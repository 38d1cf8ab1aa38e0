#include "ui/DictApp.h"

#include "ui/MainDlg.h"

bool CDictApp::InitInstance()
{
    CMainDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

// The Tools menu's history commands. What is recorded, and when, is
// HistoryRecorder's; History.dat itself is HistoryBook's.
#include "ui/MainDlg.h"

#include "framework/App.h"
#include "framework/Text.h"
#include "res/resource.h"

// A switch like the others in Zeto.ini (KeepHistory); off, nothing is
// written and History.dat is left as it is.
void CMainDlg::OnKeepHistory()
{
    ToggleSwitch(m_bKeepHistory, ID_KEEP_HISTORY);
    m_history.Keep(m_bKeepHistory != 0);
}

void CMainDlg::OnClearHistory()
{
    if (ShowMessageBox(m_hWnd, "Clear the whole history?", ExecutableBaseName(), MB_YESNO | MB_ICONQUESTION) == IDYES)
        m_history.Clear();
}

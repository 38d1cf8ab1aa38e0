// Keyboard input: a word typed into edit 1013 and its suggestion rows.
#include "ui/MainDlg.h"

void CMainDlg::OnChangeInput() {}

void CMainDlg::OnSelChangeSuggestions() {}

LRESULT CMainDlg::OnRowClick(WPARAM, LPARAM) { return 0; }

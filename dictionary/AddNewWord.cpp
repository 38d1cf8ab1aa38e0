// The Add New Word command.
#include "ui/MainDlg.h"

void CMainDlg::OnAddNewWord() {}

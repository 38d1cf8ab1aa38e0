// The Options command.
#include "ui/MainDlg.h"

void CMainDlg::OnOptions() {}

#include "capture/AcrobatVersionDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

CAcrobatVersionDlg::CAcrobatVersionDlg(CWnd* pParent) : CDialog(IDD_ACROBAT_VERSION, pParent) {}

// Button 1000 is not the standard OK button but ends the dialog as OK does.
const MessageMap* CAcrobatVersionDlg::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnCommand<&CAcrobatVersionDlg::OnOK>(IDC_ACROBAT_OK),
    };
    static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
}

void CAcrobatVersionDlg::DoDataExchange(CDataExchange* pDX) { DDX_Radio(pDX, IDC_ACROBAT_5, m_nVersion); }

#include "capture/DocFormatDlg.h"

#include "capture/AcrobatVersionDlg.h"
#include "framework/DataExchange.h"
#include "res/Colors.h"
#include "res/resource.h"

namespace {
constexpr COLORREF COLOR_BACK = COLOR_DIALOG;
constexpr COLORREF COLOR_TEXT = COLOR_WHITE;
}

CDocFormatDlg::CDocFormatDlg(CWnd* pParent) : CDialog(IDD_DOC_FORMAT, pParent) {}

const MessageMap* CDocFormatDlg::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnMessageRange<&CDocFormatDlg::OnCtlColor>(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC),
        OnCommand<&CDocFormatDlg::OnPdf>(IDC_FORMAT_PDF),
    };
    static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
}

void CDocFormatDlg::DoDataExchange(CDataExchange* pDX) { DDX_Radio(pDX, IDC_FORMAT_OTHER, m_nFormat); }

// The background and the static family (radio buttons paint as statics) in
// blue; each request replaces the brush, deleting the one before.
HBRUSH CDocFormatDlg::OnCtlColor(HDC hdc, HWND, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_DLG && nCtlColor != CTLCOLOR_STATIC)
        return (HBRUSH)Default();
    m_brBack.CreateSolidBrush(COLOR_BACK);
    ::SetBkColor(hdc, COLOR_BACK);
    ::SetTextColor(hdc, COLOR_TEXT);
    return m_brBack;
}

void CDocFormatDlg::OnPdf()
{
    CAcrobatVersionDlg version(this);
    version.m_nVersion = 0;
    version.DoModal();
    m_nAcrobatItem = version.m_nVersion == 1 ? ACROBAT_4_COPY_ITEM : ACROBAT_5_COPY_ITEM;
}

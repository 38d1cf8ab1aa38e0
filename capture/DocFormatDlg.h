// CDocFormatDlg: "Choose Format Of Document  " (template 136), how the
// target copies under the mouse gesture. White on blue. Clicking "PDF" asks
// which Acrobat Reader it is.
#pragma once
#include "framework/Dialog.h"
#include "framework/Gdi.h"

class CDocFormatDlg : public CDialog {
public:
    explicit CDocFormatDlg(CWnd* pParent = nullptr);

    int m_nFormat = -1;        // COPY_OTHER … COPY_PDF; the caller sets it to 0
    int m_nAcrobatItem = -1;   // ACROBAT_5_COPY_ITEM or ACROBAT_4_COPY_ITEM once PDF was clicked
    CBrush m_brBack;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;

private:
    HBRUSH OnCtlColor(HDC hdc, HWND hwndCtl, UINT nCtlColor);
    void OnPdf();
};

// CAcrobatVersionDlg: "Acrobat Reader" (template 139). The version decides
// which item of the reader's third menu copies.
#pragma once
#include "framework/Dialog.h"

class CAcrobatVersionDlg : public CDialog {
public:
    explicit CAcrobatVersionDlg(CWnd* pParent = nullptr);

    int m_nVersion = -1;   // 0: Reader 5.0, 1: Reader 4.0; the caller sets it to 0

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;
};

// CAcrobatVersionDlg: "Acrobat Reader" (template 139). The version decides
// which item of the reader's third menu copies.
#pragma once
#include "framework/Dialog.h"

// Acrobat Reader copies on an item of its third menu; which item, the
// version decides.
constexpr int ACROBAT_COPY_MENU = 2;
constexpr int ACROBAT_5_COPY_ITEM = 4;
constexpr int ACROBAT_4_COPY_ITEM = 3;

class CAcrobatVersionDlg : public CDialog {
public:
    explicit CAcrobatVersionDlg(CWnd* pParent = nullptr);

    int m_nVersion = -1;   // 0: Reader 5.0, 1: Reader 4.0; the caller sets it to 0

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;
};

// CAboutDlg: the About box (template 130). Its OK button, Enter, Escape and
// the close box all close it.
#pragma once
#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    const MessageMap* GetMessageMap() const override;
};

// CNewWordDlg: the "New word" dialog (template 135). Only the "&OK" button
// (click or Alt+O) accepts; Enter does nothing, Cancel and Escape cancel.
#pragma once
#include "framework/Dialog.h"

#include <string>

class CNewWordDlg : public CDialog {
public:
    CNewWordDlg();

    std::string m_strNewWord;          // 1008, at most WORD_MAX_CHARS characters
    std::string m_strNewTranslation;   // 1009

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Enter: a translation often has several lines, so Enter must not close.
    void OnOK() override;

private:
    void OnAccept();
};

#include "dictionary/NewWordDlg.h"

#include "dictionary/Dictionary.h"
#include "framework/DataExchange.h"
#include "res/resource.h"

CNewWordDlg::CNewWordDlg() : CDialog(IDD_NEW_WORD) {}

const MessageMap* CNewWordDlg::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnCommand<&CNewWordDlg::OnAccept>(IDC_NEW_WORD_OK),
    };
    static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
}

void CNewWordDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NEW_WORD, m_strNewWord);
    DDV_MaxChars(pDX, m_strNewWord, WORD_MAX_CHARS);
    DDX_Text(pDX, IDC_NEW_TRANSLATION, m_strNewTranslation);
}

void CNewWordDlg::OnOK() {}

// Button 1012: the boxes are saved (the word's length checked) and the
// dialog ends with IDOK.
void CNewWordDlg::OnAccept() { CDialog::OnOK(); }

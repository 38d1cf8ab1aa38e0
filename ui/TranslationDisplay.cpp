// Translation display: the text of a lookup in the tooltip at the cursor and
// in the dialog, until timer 1 hides every tooltip of the main dialog.
#include "ui/MainDlg.h"

void CMainDlg::PostTranslation(std::wstring text)
{
    m_pending.push_back(std::move(text));
    if (!::PostMessageA(m_hWnd, WM_SHOWTRANSLATION, (WPARAM)m_pending.back().c_str(), 0))
        m_pending.pop_back();
}

bool CMainDlg::TakePendingTranslation(WPARAM key, std::wstring& text)
{
    for (auto it = m_pending.begin(); it != m_pending.end(); ++it) {
        if ((WPARAM)it->c_str() == key) {
            text = std::move(*it);
            m_pending.erase(it);
            return true;
        }
    }
    return false;
}

// Posted by PostTranslation (see the top of MainDlg.h). The text is shown
// whole, however long.
LRESULT CMainDlg::OnShowTranslation(WPARAM wParam, LPARAM)
{
    std::wstring text;
    if (!TakePendingTranslation(wParam, text))
        return 0;
    m_tip.ShowAtCursor(text);
    ::SetTimer(m_hWnd, TIMER_HIDE_TIPS, (UINT)m_nTimeoutMs, nullptr);
    m_strTranslation = text;
    m_strListTranslation = m_strTranslation;
    UpdateData(false);
    m_history.Shown(m_strTranslation);   // written when idle: the capture road waits for no disk
    return 0;
}

// Timer 1, whoever started it: every tooltip of the main dialog goes.
void CMainDlg::OnTimer(UINT_PTR)
{
    m_tip.Hide();
    HideRowTips();
    ::KillTimer(m_hWnd, TIMER_HIDE_TIPS);
    Default();
}

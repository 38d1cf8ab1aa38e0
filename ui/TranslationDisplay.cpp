// Translation display: the text of a lookup in the tooltip at the cursor and
// in the dialog, until timer 1 hides every tooltip of the main dialog.
#include "ui/MainDlg.h"

void CMainDlg::PostTranslation(const char* text)
{
    m_pending.push_back({text, text ? text : ""});
    if (!::PostMessageA(m_hWnd, WM_SHOWTRANSLATION, (WPARAM)text, 0))
        m_pending.pop_back();
}

bool CMainDlg::TakePendingTranslation(WPARAM key, std::string& text)
{
    for (auto it = m_pending.begin(); it != m_pending.end(); ++it) {
        if ((WPARAM)it->key == key) {
            text = std::move(it->text);
            m_pending.erase(it);
            return true;
        }
    }
    return false;
}

// Posted by PostTranslation. Anything else posted as 0x0500 (from another
// process, say) carries no text of ours and is ignored. The text is shown
// whole, however long.
LRESULT CMainDlg::OnShowTranslation(WPARAM wParam, LPARAM)
{
    std::string text;
    if (!TakePendingTranslation(wParam, text))
        return 0;
    m_tip.ShowAtCursor(text);
    ::SetTimer(m_hWnd, TIMER_HIDE_TIPS, (UINT)m_nTimeoutMs, nullptr);
    m_strTranslation = text;
    m_strListTranslation = m_strTranslation;
    UpdateData(false);
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

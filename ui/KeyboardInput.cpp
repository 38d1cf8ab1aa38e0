// Keyboard input: a word typed into edit 1013, its translation and the ten
// suggestions, shown either as the suggestion rows beside the dialog or in
// list box 1039 (option "Keyboard Input").
#include "ui/MainDlg.h"

#include "dictionary/LookupFolding.h"
#include "framework/Text.h"
#include "hooklib/Tapwire.h"
#include "res/resource.h"
#include "ui/SuggestionRows.h"
#include "ui/SuggestionText.h"

namespace {

// Puts text into the input box directly (not through UpdateData), so its
// change notification runs OnChangeInput before this returns; then selects
// all of it.
void SetInputText(HWND input, const std::string& text)
{
    SetWindowTextOf(input, text);
    ::SendMessageW(input, EM_SETSEL, 0, -1);
    ::SendMessageW(input, EM_SCROLLCARET, 0, 0);
}

// The typed word as the lookup reads it: with Find Base Forms the box's own
// Unicode text, folded as a selection is (a typed café is cafe); else the
// box's Windows-1251 text, as it always was.
std::string TypedWord(HWND input, const std::string& text, bool findBaseForms)
{
    return findBaseForms ? lookupfold::ForLookup(WideWindowTextOf(input, WORD_MAX_CHARS)) : text;
}

} // namespace

// EN_CHANGE of edit 1013: typed text, or a row's word set by OnRowClick.
// Never raised by UpdateData, whose loading leaves 1013 alone anyway. The
// mode is read anew at every change.
void CMainDlg::OnChangeInput()
{
    if (m_bReady == 0)
        return;
    if (m_bKeyboardInput == 0)
        ShowSuggestionsInRows();
    else
        ShowSuggestionsInList();
    m_history.Typed();
}

// The translation in 1001, the suggestions in the rows for a while. After a
// failed lookup the neighbours, and so the rows, are the previous ones.
void CMainDlg::ShowSuggestionsInRows()
{
    UpdateData(true);
    m_strTranslation = LookupForDisplay(TypedWord(GetDlgItem(IDC_INPUT), m_strInput, m_settings.findBaseForms).c_str());
    UpdateData(false);
    ShowRows(m_rowTips, LayoutDpi(), m_rowY, m_dictionary.m_strNeighbours);
    ::SetTimer(m_hWnd, TIMER_HIDE_TIPS, ROWS_SHOWN_MS, nullptr);
    if (m_bRowHook == 0 && WatchRowPresses(m_hWnd, m_rowTips))
        m_bRowHook = 1;
}

// The translation in 1040 (and 1001, hidden), the suggestions in the list,
// which shows them tidied (trimmed, in small letters). Copies are tidied, not
// the dictionary's own neighbour strings: those are shared with the rows,
// which show the words as the dictionary has them (London, not london) when
// the user switches mode without a new lookup.
void CMainDlg::ShowSuggestionsInList()
{
    HWND list = GetDlgItem(IDC_SUGGESTIONS);
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
    ShowListTranslation();
    for (const std::string& word : m_dictionary.m_strNeighbours)
        AddListItem(list, ListTextOf(word));
    ::ShowWindow(GetDlgItem(IDC_TRANSLATION), SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_LIST_TRANSLATION), SW_SHOW);
    ::ShowWindow(list, SW_SHOW);
    ::SendMessageW(list, LB_SETCURSEL, 0, 0);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// The box's word looked up, its translation in 1040 and 1001.
void CMainDlg::ShowListTranslation()
{
    UpdateData(true);
    m_strListTranslation = LookupForDisplay(TypedWord(GetDlgItem(IDC_INPUT), m_strInput, m_settings.findBaseForms).c_str());
    m_strTranslation = m_strListTranslation;
    UpdateData(false);
}

// LBN_SELCHANGE of list box 1039: the chosen word goes into 1013 under the
// lock-out of UpdateData, so the list keeps its items and selection.
void CMainDlg::OnSelChangeSuggestions()
{
    HWND list = GetDlgItem(IDC_SUGGESTIONS);
    LRESULT index = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return;
    m_strInput = ListItemText(list, index);
    UpdateData(false);
    ShowListTranslation();
    m_history.Settled();
}

// A left-button press anywhere in our thread while the rows are shown;
// wParam and lParam are its screen point. A press on a row's box puts that
// row's word into the input box, which looks it up and shows the rows anew,
// still watched. A press anywhere else is its own window's business: it
// changes nothing here.
LRESULT CMainDlg::OnRowClick(WPARAM wParam, LPARAM lParam)
{
    int row = RowAt(m_rowTips, POINT{(LONG)wParam, (LONG)lParam});
    if (row < 0)
        return 0;
    // A copy: the lookup that the new text runs may rewrite the neighbours.
    std::string word = m_dictionary.m_strNeighbours[row];
    HWND input = GetDlgItem(IDC_INPUT);
    SetInputText(input, word);
    // The press on the row popup took activation away from us; give it
    // back, so that typing goes on in the input box, replacing the word.
    ::SetForegroundWindow(m_hWnd);
    ::SetFocus(input);
    m_history.Settled();
    return 0;
}

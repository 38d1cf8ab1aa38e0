// Keyboard input: a word typed into edit 1013, its translation and the ten
// suggestions, shown either as row tooltips beside the dialog or in list
// box 1039 (option "Keyboard Input").
#include "ui/MainDlg.h"

#include "hooklib/Tapwire.h"
#include "res/resource.h"

#include <cstdio>

namespace {

constexpr UINT_PTR TIMER_HIDE_TIPS = 1;
constexpr UINT ROWS_SHOWN_MS = 7000;
constexpr int ROW_COUNT = 10;
constexpr int ROW_X = 275;         // anchor x of every row; left edge of the click area
constexpr int ROW_RIGHT = 350;     // right edge of the click area, inclusive
constexpr int ROWS_TOP = 70;       // click area, inclusive
constexpr int ROWS_BOTTOM = 230;
constexpr int ROW_BAND = 15;       // a row answers from its y down to y + 15

int RowAnchorY(int row) { return 70 + 16 * row; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Windows-1251 capitals to small letters: A-Z, А-Я and the Cyrillic letters
// outside that block, which the code page scatters over 0x80-0xBF.
unsigned char ToLower1251(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF))
        return c + 0x20;
    switch (c) {
    case 0x80: return 0x90;   // Ђ ђ
    case 0x81: return 0x83;   // Ѓ ѓ
    case 0x8A: return 0x9A;   // Љ љ
    case 0x8C: return 0x9C;   // Њ њ
    case 0x8D: return 0x9D;   // Ќ ќ
    case 0x8E: return 0x9E;   // Ћ ћ
    case 0x8F: return 0x9F;   // Џ џ
    case 0xA1: return 0xA2;   // Ў ў
    case 0xA3: return 0xBC;   // Ј ј
    case 0xA5: return 0xB4;   // Ґ ґ
    case 0xA8: return 0xB8;   // Ё ё
    case 0xAA: return 0xBA;   // Є є
    case 0xAF: return 0xBF;   // Ї ї
    case 0xB2: return 0xB3;   // І і
    case 0xBD: return 0xBE;   // Ѕ ѕ
    default: return c;
    }
}

// In place: without leading and trailing blanks, in small letters.
void TrimAndLower(std::string& text)
{
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    text.erase(0, first);
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    text.erase(end);
    for (char& c : text)
        c = (char)ToLower1251((unsigned char)c);
}

// The row under client y, for a y inside the click area: the first row
// whose band reaches down to y; past every band, the last row.
int RowAt(const int (&rowY)[10], int y)
{
    int row = 0;
    int bound = rowY[0] + ROW_BAND;
    for (int i = 1; i < ROW_COUNT; ++i) {
        if (bound < y) {
            row = i;
            bound = rowY[i] + ROW_BAND;
        }
    }
    return row;
}

// Puts text into the input box directly (not through UpdateData), so its
// change notification runs OnChangeInput before this returns; then selects
// all of it.
void SetInputText(HWND input, const std::string& text)
{
    ::SetWindowTextA(input, text.c_str());
    ::SendMessageA(input, EM_SETSEL, 0, -1);
    ::SendMessageA(input, EM_SCROLLCARET, 0, 0);
}

// Watches left-button presses on our own thread while the rows are visible,
// so that a click on a row reaches OnRowClick. SetLButtonHook is looked up
// in the already loaded Tapwire rather than imported.
void WatchRowClicks(CMainDlg& dlg)
{
    if (dlg.m_bRowHook == 1)
        return;
    using SetLButtonHookFn = int(WINAPI*)(HWND, DWORD);
    HMODULE tapwire = ::GetModuleHandleA("Tapwire.dll");
    auto setHook = tapwire ? (SetLButtonHookFn)(void*)::GetProcAddress(tapwire, "SetLButtonHook") : nullptr;
    if (!setHook || setHook(dlg.m_hWnd, ::GetCurrentThreadId()) != 1)
        return;
    dlg.m_bRowHook = 1;
    // A STATIC without SS_NOTIFY is transparent to the mouse: a press on a
    // row would fall through to whatever lies beneath it, outside our
    // thread, and the hook would never see it.
    for (CTipWnd& row : dlg.m_rowTips) {
        LONG style = ::GetWindowLongA(row.m_hWnd, GWL_STYLE);
        if (!(style & SS_NOTIFY))
            ::SetWindowLongA(row.m_hWnd, GWL_STYLE, style | SS_NOTIFY);
    }
}

} // namespace

// EN_CHANGE of edit 1013: typed text, or text set directly by OnRowClick.
// Never raised by UpdateData, whose loading leaves 1013 alone anyway.
void CMainDlg::OnChangeInput()
{
    if (m_bReady == 0)
        return;
    if (m_bKeyboardInput == 0) {
        UpdateData(true);
        m_strTranslation.clear();
        m_strTranslation = LookupForDisplay(m_strInput.c_str());
        UpdateData(false);
        // After a failed lookup the neighbours are the previous ones.
        for (int i = 0; i < ROW_COUNT; ++i)
            m_rowTips[i].ShowAt(m_dictionary.m_strNeighbours[i], POINT{ROW_X, RowAnchorY(i)});
        ::SetTimer(m_hWnd, TIMER_HIDE_TIPS, ROWS_SHOWN_MS, nullptr);
        WatchRowClicks(*this);
        return;
    }

    HWND list = GetDlgItem(IDC_SUGGESTIONS);
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    UpdateData(true);
    m_strListTranslation.clear();
    m_strListTranslation = LookupForDisplay(m_strInput.c_str());
    m_strTranslation.clear();
    m_strTranslation = m_strListTranslation;
    UpdateData(false);
    // The neighbours themselves are tidied, so the list reads naturally.
    for (std::string& word : m_dictionary.m_strNeighbours) {
        TrimAndLower(word);
        ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)word.c_str());
    }
    ::ShowWindow(GetDlgItem(IDC_TRANSLATION), SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_LIST_TRANSLATION), SW_SHOW);
    ::ShowWindow(list, SW_SHOW);
    ::SendMessageA(list, LB_SETCURSEL, 0, 0);
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// LBN_SELCHANGE of list box 1039: the chosen word goes into 1013 under the
// lock-out of UpdateData, so the list keeps its items and selection.
void CMainDlg::OnSelChangeSuggestions()
{
    HWND list = GetDlgItem(IDC_SUGGESTIONS);
    LRESULT index = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return;
    LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, (WPARAM)index, 0);
    if (length == LB_ERR)
        return;
    std::string word((std::size_t)length + 1, '\0');
    length = ::SendMessageA(list, LB_GETTEXT, (WPARAM)index, (LPARAM)&word[0]);
    word.resize(length > 0 ? (std::size_t)length : 0);
    m_strInput = word;
    UpdateData(false);
    UpdateData(true);
    m_strListTranslation.clear();
    m_strListTranslation = LookupForDisplay(m_strInput.c_str());
    m_strTranslation.clear();
    m_strTranslation = m_strListTranslation;
    UpdateData(false);
}

// A left-button press anywhere in our thread while the rows were watched;
// wParam and lParam are its screen point. The press's client coordinates
// are looked up first; a press on the rows then looks up that row's word.
LRESULT CMainDlg::OnRowClick(WPARAM wParam, LPARAM lParam)
{
    POINT pt{(LONG)wParam, (LONG)lParam};
    ::ScreenToClient(m_hWnd, &pt);
    HWND input = GetDlgItem(IDC_INPUT);
    char coordinates[32];
    std::snprintf(coordinates, sizeof coordinates, "%d %d", (int)pt.x, (int)pt.y);
    SetInputText(input, coordinates);
    if (pt.x >= ROW_X && pt.x <= ROW_RIGHT && pt.y >= ROWS_TOP && pt.y <= ROWS_BOTTOM) {
        // A copy: the lookup that the new text runs may rewrite the neighbours.
        std::string word = m_dictionary.m_strNeighbours[RowAt(m_rowY, pt.y)];
        SetInputText(input, word);
        // The press on the row popup took activation away from us; give it
        // back, so that typing goes on in the input box, replacing the word.
        ::SetForegroundWindow(m_hWnd);
        ::SetFocus(input);
    }
    if (m_bRowHook == 1) {
        ::ClearLButtonHook();
        m_bRowHook = 0;
    }
    return 0;
}

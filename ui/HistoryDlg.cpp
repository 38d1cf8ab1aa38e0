#include "ui/HistoryDlg.h"

#include "framework/Dpi.h"
#include "framework/Text.h"
#include "res/resource.h"
#include "ui/ExportWordsDlg.h"
#include "ui/LocalTime.h"
#include "ui/PhoneticFont.h"

#include <ctime>
#include <unordered_set>

using history::Column;

namespace {

constexpr const wchar_t* COLUMN_TITLES[history::COLUMN_COUNT] = {L"Word", L"Translation", L"Count", L"Last seen",
                                                                  L"\u2605"};
constexpr int COLUMN_FORMATS[history::COLUMN_COUNT] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_LEFT,
                                                       LVCFMT_CENTER};
constexpr const wchar_t STAR[] = L"\u2605";
constexpr UINT_PTR SEARCH_SUBCLASS_ID = 1;
// The first installed face of each list: Windows' own, then the one Wine
// finds among the host's fonts.
constexpr std::initializer_list<const wchar_t*> LIST_FACES = {L"Segoe UI", L"DejaVu Sans"};
constexpr std::initializer_list<const wchar_t*> STAR_FACES = {L"Segoe UI Symbol", L"DejaVu Sans"};

notebook::Time Now() { return (notebook::Time)std::time(nullptr); }

// Down (or Page Down) in the search box goes on into the list, at its first
// row when none is selected: the edit would otherwise swallow the key.
LRESULT CALLBACK SearchBoxProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR list)
{
    if (msg == WM_KEYDOWN && (wParam == VK_DOWN || wParam == VK_NEXT)) {
        HWND listView = (HWND)list;
        if (::SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0) > 0 &&
            ::SendMessageW(listView, LVM_GETSELECTEDCOUNT, 0, 0) == 0) {
            LVITEMW state{};
            state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
            ::SendMessageW(listView, LVM_SETITEMSTATE, 0, (LPARAM)&state);
        }
        ::SendMessageW(::GetParent(edit), WM_NEXTDLGCTL, (WPARAM)listView, TRUE);
        return 0;
    }
    if (msg == WM_NCDESTROY)
        ::RemoveWindowSubclass(edit, &SearchBoxProc, SEARCH_SUBCLASS_ID);
    return ::DefSubclassProc(edit, msg, wParam, lParam);
}

} // namespace

CHistoryDlg::CHistoryDlg(CWnd* parent, const notebook::History& history,
                         std::function<void(const std::string& record)> append,
                         std::function<void(const std::string& word)> show,
                         std::function<void(const std::string& word)> speak)
    : CDialog(IDD_HISTORY, parent), m_history(history), m_append(std::move(append)), m_show(std::move(show)),
      m_speak(std::move(speak))
{
    INITCOMMONCONTROLSEX controls{sizeof controls, HISTORY_COMMON_CONTROLS};
    ::InitCommonControlsEx(&controls);
}

const MessageMap* CHistoryDlg::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnCommandCode<&CHistoryDlg::OnSearchChanged>(EN_CHANGE, IDC_HISTORY_SEARCH),
        OnCommand<&CHistoryDlg::OnExport>(IDC_HISTORY_EXPORT),
        OnCommand<&CHistoryDlg::OnSpeak>(IDC_HISTORY_SPEAK),
        OnNotify<&CHistoryDlg::OnGetDispInfo>((UINT)LVN_GETDISPINFOW, IDC_HISTORY_LIST),
        OnNotify<&CHistoryDlg::OnColumnClick>((UINT)LVN_COLUMNCLICK, IDC_HISTORY_LIST),
        OnNotify<&CHistoryDlg::OnClick>((UINT)NM_CLICK, IDC_HISTORY_LIST),
        OnNotify<&CHistoryDlg::OnDblClick>((UINT)NM_DBLCLK, IDC_HISTORY_LIST),
        OnNotify<&CHistoryDlg::OnKeyDown>((UINT)LVN_KEYDOWN, IDC_HISTORY_LIST),
        OnNotify<&CHistoryDlg::OnFindItem>((UINT)LVN_ODFINDITEMW, IDC_HISTORY_LIST),
        OnNotify<&CHistoryDlg::OnCustomDraw>((UINT)NM_CUSTOMDRAW, IDC_HISTORY_LIST),
    };
    static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
}

HWND CHistoryDlg::List() const { return GetDlgItem(IDC_HISTORY_LIST); }

BOOL CHistoryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetWindowTextW(GetDlgItem(IDC_HISTORY_EXPORT), L"&Export\u2026");
    if (!m_speak)
        ::ShowWindow(GetDlgItem(IDC_HISTORY_SPEAK), SW_HIDE);
    HWND list = List();
    ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    MakeFonts();
    AddColumns();
    HWND search = GetDlgItem(IDC_HISTORY_SEARCH);
    ::SetWindowSubclass(search, &SearchBoxProc, SEARCH_SUBCLASS_ID, (DWORD_PTR)list);
    Refresh();
    ShowSortArrow();
    ::SetFocus(search);
    return FALSE;   // the focus is set
}

void CHistoryDlg::AddColumns()
{
    for (int i = 0; i < history::COLUMN_COUNT; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = COLUMN_FORMATS[i];
        column.pszText = const_cast<wchar_t*>(COLUMN_TITLES[i]);
        column.iSubItem = i;
        ::SendMessageW(List(), LVM_INSERTCOLUMNW, i, (LPARAM)&column);
    }
    SizeColumns(DpiOfWindow(m_hWnd));
}

void CHistoryDlg::SizeColumns(UINT dpi)
{
    for (int i = 0; i < history::COLUMN_COUNT; ++i)
        ::SendMessageW(List(), LVM_SETCOLUMNWIDTH, i, ScaleForDpi(COLUMN_WIDTHS[i], dpi));
}

void CHistoryDlg::OnDpiChanged(UINT dpi)
{
    MakeFonts();
    SizeColumns(dpi);
}

void CHistoryDlg::MakeFonts()
{
    LOGFONTW model{};
    HFONT dialogFont = (HFONT)SendMessage(WM_GETFONT);
    if (!dialogFont || !::GetObjectW(dialogFont, sizeof model, &model))
        return;
    m_listFont.Reset(FontInFirstFace(model, LIST_FACES));
    m_starFont.Reset(FontInFirstFace(model, STAR_FACES));
    ::SendMessageW(List(), WM_SETFONT, (WPARAM)(m_listFont ? m_listFont.Get() : dialogFont), TRUE);
}

// The star's cells are drawn in the star's font.
void CHistoryDlg::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    if (!m_starFont)
        return;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        *pResult = CDRF_NOTIFYITEMDRAW;
    else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT)
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
    else if (draw.nmcd.dwDrawStage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
        const bool star = draw.iSubItem == (int)Column::Star;
        ::SelectObject(draw.nmcd.hdc, star ? m_starFont.Get() : (HFONT)::SendMessageW(List(), WM_GETFONT, 0, 0));
        *pResult = CDRF_NEWFONT;
    }
}

void CHistoryDlg::ShowSortArrow()
{
    HWND header = (HWND)::SendMessageW(List(), LVM_GETHEADER, 0, 0);
    for (int i = 0; i < history::COLUMN_COUNT; ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        ::SendMessageW(header, HDM_GETITEMW, i, (LPARAM)&item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == (int)m_rows.SortColumn())
            item.fmt |= m_rows.Ascending() ? HDF_SORTUP : HDF_SORTDOWN;
        ::SendMessageW(header, HDM_SETITEMW, i, (LPARAM)&item);
    }
}

void CHistoryDlg::Refresh()
{
    std::vector<std::string> words;
    for (long shown : Selected())
        words.push_back(m_rows.RowAt(shown).word);
    m_rows.Reset(m_history.Rows());
    ::SendMessageW(List(), LVM_SETITEMCOUNT, m_rows.Count(), 0);
    Select(words);
}

// The list finds the selected rows by asking each row in turn: at ten
// thousand rows, worth the count first.
std::vector<long> CHistoryDlg::Selected() const
{
    std::vector<long> shown;
    if (::SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0) == 0)
        return shown;
    for (long i = -1; (i = (long)::SendMessageW(List(), LVM_GETNEXTITEM, i, LVNI_SELECTED)) >= 0;)
        shown.push_back(i);
    return shown;
}

// One pass over the rows, however many words: selecting all ten thousand
// must not cost ten thousand searches.
void CHistoryDlg::Select(const std::vector<std::string>& words)
{
    ClearSelection();
    if (words.empty())
        return;
    std::unordered_set<std::string> keys;
    for (const std::string& word : words)
        keys.insert(notebook::WordKey(word));
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    bool focused = false;
    for (std::size_t i = 0; i < m_rows.Count(); ++i) {
        if (!keys.count(notebook::WordKey(m_rows.RowAt(i).word)))
            continue;
        state.state = LVIS_SELECTED | (focused ? 0 : LVIS_FOCUSED);
        ::SendMessageW(List(), LVM_SETITEMSTATE, i, (LPARAM)&state);
        if (!focused)
            ::SendMessageW(List(), LVM_ENSUREVISIBLE, i, FALSE);
        focused = true;
    }
}

// Only the selected rows are told: the list tells every row of a change to
// all of them, each with two notices to us, which at ten thousand rows costs
// more than the search itself.
void CHistoryDlg::ClearSelection()
{
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    for (long i : Selected())
        ::SendMessageW(List(), LVM_SETITEMSTATE, i, (LPARAM)&state);
    const long focused = (long)::SendMessageW(List(), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_FOCUSED);
    if (focused >= 0)
        ::SendMessageW(List(), LVM_SETITEMSTATE, focused, (LPARAM)&state);
}

void CHistoryDlg::OnSearchChanged()
{
    m_rows.Filter(WideWindowTextOf(GetDlgItem(IDC_HISTORY_SEARCH)));
    ClearSelection();
    ::SendMessageW(List(), LVM_SETITEMCOUNT, m_rows.Count(), 0);
    ::InvalidateRect(List(), nullptr, TRUE);
}

// The list asks for the cells it draws, and only for those.
void CHistoryDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    *pResult = 0;
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || (std::size_t)item.iItem >= m_rows.Count() ||
        !item.pszText || item.cchTextMax <= 0)
        return;
    const std::size_t shown = (std::size_t)item.iItem;
    const notebook::Row& row = m_rows.RowAt(shown);
    std::wstring text;
    switch ((Column)item.iSubItem) {
    case Column::Word: text = m_rows.WordText(shown); break;
    case Column::Translation: text = m_rows.TranslationText(shown); break;
    case Column::Count: text = std::to_wstring(row.count); break;
    case Column::LastSeen: text = ShortLocalTime(row.lastSeen); break;
    case Column::Star: text = row.starred ? STAR : L""; break;
    }
    ::lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
}

void CHistoryDlg::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int column = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    *pResult = 0;
    if (column < 0 || column >= history::COLUMN_COUNT)
        return;
    std::vector<std::string> words;
    for (long shown : Selected())
        words.push_back(m_rows.RowAt(shown).word);
    m_rows.SortBy((Column)column);
    ShowSortArrow();
    ::InvalidateRect(List(), nullptr, TRUE);
    Select(words);
}

// A click on a row's star cell toggles that row's star.
void CHistoryDlg::OnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    LVHITTESTINFO hit{};
    hit.pt = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->ptAction;
    if (::SendMessageW(List(), LVM_SUBITEMHITTEST, 0, (LPARAM)&hit) >= 0 && hit.iItem >= 0 &&
        hit.iSubItem == (int)Column::Star)
        ToggleStars({(long)hit.iItem});
}

void CHistoryDlg::OnDblClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int item = reinterpret_cast<NMITEMACTIVATE*>(pNMHDR)->iItem;
    if (item >= 0)
        Show(item);
}

void CHistoryDlg::OnKeyDown(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const WORD key = reinterpret_cast<NMLVKEYDOWN*>(pNMHDR)->wVKey;
    if (key == VK_SPACE)
        ToggleStars(Selected());
    else if (key == VK_DELETE)
        DeleteRows(Selected());
}

// Typing in the list finds nothing: the search box is for that.
void CHistoryDlg::OnFindItem(NMHDR*, LRESULT* pResult) { *pResult = -1; }

// Rows with and without a star all get one; rows all starred all lose it.
void CHistoryDlg::ToggleStars(const std::vector<long>& shown)
{
    if (shown.empty())
        return;
    bool allStarred = true;
    for (long i : shown)
        allStarred = allStarred && m_rows.RowAt(i).starred;
    std::vector<std::string> words;
    for (long i : shown)
        words.push_back(m_rows.RowAt(i).word);
    const notebook::Time now = Now();
    for (const std::string& word : words)
        m_append(notebook::EncodeStar(now, word, !allStarred));
    Refresh();
}

// The row after the deleted ones takes the selection, so Delete can go on.
void CHistoryDlg::DeleteRows(const std::vector<long>& shown)
{
    if (shown.empty())
        return;
    std::vector<std::string> words;
    for (long i : shown)
        words.push_back(m_rows.RowAt(i).word);
    const notebook::Time now = Now();
    for (const std::string& word : words)
        m_append(notebook::EncodeDelete(now, word));
    Refresh();
    if (m_rows.Count() == 0)
        return;
    const std::size_t next = std::min<std::size_t>((std::size_t)shown.front(), m_rows.Count() - 1);
    Select({m_rows.RowAt(next).word});
}

void CHistoryDlg::Show(long shown)
{
    if (shown >= 0 && (std::size_t)shown < m_rows.Count())
        m_show(m_rows.RowAt(shown).word);
}

// Enter shows the selected row's translation; from the search box, with no
// row selected, the first row's.
void CHistoryDlg::OnOK()
{
    const std::vector<long> selected = Selected();
    if (!selected.empty())
        Show(selected.front());
    else if (::GetFocus() == GetDlgItem(IDC_HISTORY_SEARCH))
        Show(0);
}

void CHistoryDlg::OnSpeak()
{
    const std::vector<long> selected = Selected();
    if (m_speak && !selected.empty() && (std::size_t)selected.front() < m_rows.Count())
        m_speak(m_rows.RowAt(selected.front()).word);
}

void CHistoryDlg::OnExport()
{
    CExportWordsDlg dlg(this, m_history);
    dlg.DoModal();
}

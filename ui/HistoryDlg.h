// CHistoryDlg: the History window (template 150). The words looked up, one
// row each, in a virtual list view: only the rows on screen are ever asked
// for, so ten thousand rows open and filter as fast as ten. The dialog never
// changes the history itself: a star or a deletion goes as a journal record
// to `append`, whose owner applies it to the history, and the list is then
// read again from the history.
#pragma once
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "notebook/History.h"
#include "ui/HistoryRows.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

// The common controls the History and Export Words dialogs hold.
constexpr DWORD HISTORY_COMMON_CONTROLS = ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES;

class CHistoryDlg : public CDialog {
public:
    // append: gets the bytes of a Star or Delete record and applies them to
    // history. show: shows a word's translation in the main window. speak:
    // says a word (none: the Speak button is not shown).
    CHistoryDlg(CWnd* parent, const notebook::History& history, std::function<void(const std::string& record)> append,
                std::function<void(const std::string& word)> show,
                std::function<void(const std::string& word)> speak = nullptr);

    // The rows shown, in the list's order (for the tests and the bench).
    const history::HistoryRows& Rows() const { return m_rows; }
    HWND List() const;

    // Each column's width at 96 DPI.
    static constexpr int COLUMN_WIDTHS[history::COLUMN_COUNT] = {140, 210, 50, 120, 36};

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    // Enter: shows the selected word; the window stays open.
    void OnOK() override;
    void OnDpiChanged(UINT dpi) override;

private:
    void OnSearchChanged();
    void OnExport();
    void OnSpeak();   // the first selected row's word
    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnKeyDown(NMHDR* pNMHDR, LRESULT* pResult);
    void OnFindItem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);

    // The list's fonts, at the dialog font's height: the dialog's own font
    // lacks the phonetic letters of the pronunciations and the star.
    void MakeFonts();

    void AddColumns();
    void SizeColumns(UINT dpi);
    void ShowSortArrow();
    // The history read again, the list refilled; the words selected before
    // stay selected where they still are.
    void Refresh();
    std::vector<long> Selected() const;
    void Select(const std::vector<std::string>& words);
    void ClearSelection();
    void ToggleStars(const std::vector<long>& shown);
    void DeleteRows(const std::vector<long>& shown);
    void Show(long shown);

    const notebook::History& m_history;
    std::function<void(const std::string&)> m_append;
    std::function<void(const std::string&)> m_show;
    std::function<void(const std::string&)> m_speak;
    history::HistoryRows m_rows;
    CFont m_listFont;   // null where none of its faces is installed
    CFont m_starFont;
};

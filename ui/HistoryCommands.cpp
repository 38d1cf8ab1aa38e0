// The history's commands: Keep History and Clear History, the History
// window (Tools) and Export Words (File). What is recorded, and when, is
// HistoryRecorder's; History.dat itself is HistoryBook's.
#include "ui/MainDlg.h"

#include "framework/App.h"
#include "framework/Text.h"
#include "notebook/HistoryJournal.h"
#include "res/resource.h"
#include "text/Cp1251.h"
#include "ui/ExportWordsDlg.h"
#include "ui/HistoryDlg.h"

// A switch like the others in Zeto.ini (KeepHistory); off, nothing is
// written and History.dat is left as it is.
void CMainDlg::OnKeepHistory()
{
    ToggleSwitch(m_settings.keepHistory, ID_KEEP_HISTORY);
    m_history.Keep(m_settings.keepHistory != 0);
}

void CMainDlg::OnClearHistory()
{
    if (ShowMessageBox(m_hWnd, "Clear the whole history?", ExecutableBaseName(), MB_YESNO | MB_ICONQUESTION) == IDYES)
        m_history.Clear();
}

// The window shows History.dat's rows; a star or a deletion made there goes
// to the file through the book, and a word chosen there is translated in
// the translation box (looking at it is no new lookup).
void CMainDlg::OnHistory()
{
    HistoryBook& book = m_history.Book();
    book.Open();
    CHistoryDlg dlg(
        this, book.Rows(),
        [&book](const std::string& record) {
            notebook::ReadJournal(record, [&book](const notebook::Record& r) {
                if (r.kind == notebook::RecordKind::Star)
                    book.Star(r.row.word, r.row.starred);
                else if (r.kind == notebook::RecordKind::Delete)
                    book.Delete(r.row.word);
                return true;
            });
        },
        [this](const std::string& word) {
            ShowInTranslationBox(ShownFor(cp1251::FromUtf8(word).text.c_str()).text);
        },
        [this](const std::string& word) { m_pronunciation.Speak(history::WideFromUtf8(word)); });
    dlg.DoModal();
}

void CMainDlg::OnExportWords()
{
    HistoryBook& book = m_history.Book();
    book.Open();
    CExportWordsDlg dlg(this, book.Rows());
    dlg.DoModal();
}

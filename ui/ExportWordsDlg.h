// CExportWordsDlg: Export Words (template 151). Which words (all, the
// starred, those looked up since a day) and in which format (Anki's text
// file, CSV for Excel); then the file dialog names the file and the export
// is written whole or not at all.
#pragma once
#include "framework/Dialog.h"
#include "notebook/StudyExport.h"

#include <windows.h>

#include <string>

enum class ExportFormat { Anki, Csv };

// The file name the save dialog proposes for the format.
const wchar_t* DefaultExportName(ExportFormat format);

// The export's bytes written to path through a temporary file in the same
// folder, renamed over path once whole: a failed write leaves any earlier
// file as it was and no part of the new one. False when it failed.
bool WriteWordsExport(const notebook::History& history, notebook::ExportWhich which, notebook::Time since,
                      ExportFormat format, const std::wstring& path);

class CExportWordsDlg : public CDialog {
public:
    CExportWordsDlg(CWnd* parent, const notebook::History& history);

    int m_nWhich = 0;            // IDC_EXPORT_ALL, IDC_EXPORT_STARRED, IDC_EXPORT_SINCE
    SYSTEMTIME m_since{};        // a local day: its midnight starts the export
    int m_nFormat = 0;           // IDC_EXPORT_ANKI, IDC_EXPORT_CSV

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Asks for the file's name and writes it; the dialog stays open when the
    // write failed (the user has been told) or the name was not given.
    void OnOK() override;

private:
    void OnWhichChanged();
    // The file's name from the save dialog; empty when it was cancelled.
    std::wstring AskPath(ExportFormat format);

    const notebook::History& m_history;
};

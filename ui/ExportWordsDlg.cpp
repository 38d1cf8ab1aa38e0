#include "ui/ExportWordsDlg.h"

#include "framework/App.h"
#include "framework/DataExchange.h"
#include "res/resource.h"
#include "text/Cp1251Literal.h"
#include "text/Cp1251Utf16.h"
#include "ui/HistoryDlg.h"
#include "ui/LocalTime.h"

#include <commctrl.h>
#include <commdlg.h>

#include <ctime>
#include <vector>

namespace {

constexpr auto MSG_NOTHING_TO_EXPORT = cp1251::Literal(u8"Няма думи за експортиране.");
constexpr auto MSG_EXPORT_FAILED = cp1251::Literal(u8"Файлът не можа да бъде записан:");
constexpr int DEFAULT_SINCE_DAYS = 7;   // "since" starts a week back
constexpr DWORD SECONDS_PER_DAY = 24 * 60 * 60;

const wchar_t ANKI_FILTER[] = L"Anki text file (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
const wchar_t CSV_FILTER[] = L"CSV for Excel (*.csv)\0*.csv\0All files (*.*)\0*.*\0";

// The framework's box, for a text that may hold letters outside the code
// page (a path): through the W call.
void TellUser(HWND owner, const std::wstring& text)
{
    ::MessageBoxW(owner, text.c_str(), cp1251::ToUtf16(ExecutableBaseName()).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool WriteAll(HANDLE file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = (DWORD)std::min<std::size_t>(bytes.size() - done, 1u << 20);
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

// bytes as the file at path, whole or not at all.
bool WriteFileWhole(const std::wstring& path, const std::string& bytes)
{
    const std::wstring temporary = path + L"." + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
    HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = WriteAll(file, bytes);
    written = ::FlushFileBuffers(file) && written;
    written = ::CloseHandle(file) && written;
    if (written && ::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileW(temporary.c_str());
    return false;
}

std::string ExportBytes(const std::vector<notebook::Row>& rows, ExportFormat format)
{
    return format == ExportFormat::Anki ? notebook::AnkiText(rows) : notebook::CsvText(rows);
}

} // namespace

const wchar_t* DefaultExportName(ExportFormat format)
{
    return format == ExportFormat::Anki ? L"Wordlumo words.txt" : L"Wordlumo words.csv";
}

bool WriteWordsExport(const notebook::History& history, notebook::ExportWhich which, notebook::Time since,
                      ExportFormat format, const std::wstring& path)
{
    return WriteFileWhole(path, ExportBytes(notebook::RowsToExport(history, which, since), format));
}

CExportWordsDlg::CExportWordsDlg(CWnd* parent, const notebook::History& history)
    : CDialog(IDD_EXPORT_WORDS, parent), m_history(history)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, HISTORY_COMMON_CONTROLS};
    ::InitCommonControlsEx(&controls);
    m_since = LocalSystemTime((notebook::Time)std::time(nullptr) - DEFAULT_SINCE_DAYS * SECONDS_PER_DAY);
}

const MessageMap* CExportWordsDlg::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnCommand<&CExportWordsDlg::OnWhichChanged>(IDC_EXPORT_ALL),
        OnCommand<&CExportWordsDlg::OnWhichChanged>(IDC_EXPORT_STARRED),
        OnCommand<&CExportWordsDlg::OnWhichChanged>(IDC_EXPORT_SINCE),
    };
    static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
}

void CExportWordsDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_EXPORT_ALL, m_nWhich);
    DDX_Radio(pDX, IDC_EXPORT_ANKI, m_nFormat);
    HWND picker = pDX->PrepareCtrl(IDC_EXPORT_SINCE_DATE);
    if (!picker)
        return;
    if (pDX->SaveAndValidate())
        ::SendMessageW(picker, DTM_GETSYSTEMTIME, 0, (LPARAM)&m_since);
    else
        ::SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&m_since);
}

BOOL CExportWordsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetWindowTextW(GetDlgItem(IDOK), L"Export\u2026");
    OnWhichChanged();
    return TRUE;
}

// The day counts only for "since".
void CExportWordsDlg::OnWhichChanged()
{
    const bool since = ::IsDlgButtonChecked(m_hWnd, IDC_EXPORT_SINCE) == BST_CHECKED;
    ::EnableWindow(GetDlgItem(IDC_EXPORT_SINCE_DATE), since);
}

void CExportWordsDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    const notebook::ExportWhich which = m_nWhich == 1   ? notebook::ExportWhich::Starred
                                        : m_nWhich == 2 ? notebook::ExportWhich::Since
                                                        : notebook::ExportWhich::All;
    SYSTEMTIME midnight = m_since;
    midnight.wHour = midnight.wMinute = midnight.wSecond = midnight.wMilliseconds = 0;
    const notebook::Time since = TimeOfLocal(midnight);
    if (notebook::RowsToExport(m_history, which, since).empty()) {
        TellUser(m_hWnd, cp1251::ToUtf16(MSG_NOTHING_TO_EXPORT.c_str()));
        return;
    }
    const ExportFormat format = m_nFormat == 1 ? ExportFormat::Csv : ExportFormat::Anki;
    const std::wstring path = AskPath(format);
    if (path.empty())
        return;
    if (!WriteWordsExport(m_history, which, since, format, path)) {
        TellUser(m_hWnd, cp1251::ToUtf16(MSG_EXPORT_FAILED.c_str()) + L"\n" + path);
        return;
    }
    EndDialog(IDOK);
}

std::wstring CExportWordsDlg::AskPath(ExportFormat format)
{
    std::vector<wchar_t> name(LONGEST_PATH_CHARS, L'\0');
    const std::wstring proposed = DefaultExportName(format);
    std::copy(proposed.begin(), proposed.end(), name.begin());
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = format == ExportFormat::Anki ? ANKI_FILTER : CSV_FILTER;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = (DWORD)name.size();
    ofn.lpstrDefExt = format == ExportFormat::Anki ? L"txt" : L"csv";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&ofn))
        return L"";
    return name.data();
}

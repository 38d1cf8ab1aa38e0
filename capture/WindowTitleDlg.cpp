#include "capture/WindowTitleDlg.h"

#include "capture/TitleRules.h"
#include "framework/DataExchange.h"
#include "framework/Text.h"
#include "res/resource.h"
#include "text/Cp1251Literal.h"
#include "text/Cp1251Utf16.h"

#include <windowsx.h>

namespace {
constexpr auto TEXT_TRY_AGAIN = cp1251::Literal(u8"Опитай пак!!!");
constexpr auto TEXT_ATTENTION = cp1251::Literal(u8"Внимание!!!");
}

CWindowTitleDlg::CWindowTitleDlg(CWnd* pParent) : CDialog(IDD_WINDOW_TITLE, pParent) {}

const MessageMap* CWindowTitleDlg::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnMessage<&CWindowTitleDlg::OnLButtonDown>(WM_LBUTTONDOWN),
        OnMessage<&CWindowTitleDlg::OnLButtonUp>(WM_LBUTTONUP),
        OnCommand<&CWindowTitleDlg::OnTitleOk>(IDC_WINDOW_TITLE_OK),
    };
    static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
}

BOOL CWindowTitleDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_hWandCursor = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_WAND_CURSOR));
    return TRUE;
}

void CWindowTitleDlg::DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_WINDOW_TITLE, m_strTitle); }

// Enter: only button 1000 ends the dialog with IDOK.
void CWindowTitleDlg::OnOK() {}

// A press on the dialog itself (the wand icon is a plain static, so a press
// on it lands here too) starts dragging the wand.
LRESULT CWindowTitleDlg::OnLButtonDown(WPARAM, LPARAM)
{
    ::SetCapture(m_hWnd);
    m_hwndFound = nullptr;
    ::SetCursor(m_hWandCursor);
    return Default();
}

// The wand is dropped: whatever window lies under the point, a child
// control as much as a title bar, lends its text.
LRESULT CWindowTitleDlg::OnLButtonUp(WPARAM, LPARAM lParam)
{
    ::ReleaseCapture();
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ClientToScreen(m_hWnd, &pt);
    m_hwndFound = ::WindowFromPoint(pt);
    if (m_hwndFound) {
        m_strTitle = WindowTextOf(m_hwndFound, TITLE_MAX_CHARS);
        SetItemText(m_hWnd, IDC_WINDOW_TITLE, m_strTitle);
    }
    return Default();
}

// The result always comes from a search by the exact title; the window the
// wand was dropped on only supplied the text.
void CWindowTitleDlg::OnTitleOk()
{
    if (!UpdateData(true))
        return;
    HWND found = ::FindWindowW(nullptr, cp1251::ToUtf16(m_strTitle).c_str());
    if (found && !m_strTitle.empty()) {
        m_dwFoundThreadId = ::GetWindowThreadProcessId(found, nullptr);
        m_hwndFound = found;
        EndDialog(IDOK);
        return;
    }
    if (ShowMessageBox(m_hWnd, TEXT_TRY_AGAIN.c_str(), TEXT_ATTENTION.c_str(), MB_OKCANCEL | MB_ICONEXCLAMATION)
        == IDOK) {
        HWND edit = GetDlgItem(IDC_WINDOW_TITLE);
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
        ::SendMessageA(edit, EM_SCROLLCARET, 0, 0);
        ::SetFocus(edit);
    } else {
        EndDialog(IDCANCEL);
    }
}

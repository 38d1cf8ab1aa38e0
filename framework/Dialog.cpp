#include "framework/Dialog.h"

#include "framework/App.h"
#include "framework/DataExchange.h"
#include "framework/Dpi.h"

const MessageMap* CDialog::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        OnMessage<&CDialog::HandleInitDialog>(WM_INITDIALOG),
        OnMessage<&CDialog::HandleDpiChanged>(WM_DPICHANGED),
        OnCommand<&CDialog::OnOK>(IDOK),
        OnCommand<&CDialog::OnCancel>(IDCANCEL),
    };
    static const MessageMap kMap = MakeMessageMap(CWnd::GetMessageMap(), kEntries);
    return &kMap;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParent) : m_nIDTemplate(nIDTemplate), m_pParent(pParent) {}

// What the object passes on gets the system's default handling.
INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

INT_PTR CDialog::DoModal()
{
    HWND owner = m_pParent ? m_pParent->m_hWnd : nullptr;
    if (!owner) {
        CWinApp* app = CWinApp::Get();
        if (app && app->m_pMainWnd && app->m_pMainWnd != this)
            owner = app->m_pMainWnd->m_hWnd;
    }
    m_bEnded = false;
    INT_PTR result;
    {
        BirthHook hook(this);
        result = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                                   &CDialog::DialogProc, 0);
    }
    return result;
}

bool CDialog::Create(HWND owner)
{
    if (!owner && m_pParent)
        owner = m_pParent->m_hWnd;
    m_bEnded = false;
    BirthHook hook(this);
    HWND hwnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                                     &CDialog::DialogProc, 0);
    return hwnd != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    m_nResult = nResult;
    m_bEnded = true;
    ::EndDialog(m_hWnd, nResult);
}

bool CDialog::UpdateData(bool bSaveAndValidate)
{
    NotifyLockout lockout(*this);
    CDataExchange dx(*this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.Failed();
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
    // Windows makes a DS_SYSMODAL dialog top-most; Wine does not.
    if (style & DS_SYSMODAL)
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_layout96 = LayoutAt96(m_hWnd);
    m_layoutDpi = DpiOfWindow(m_hWnd);
    FitDialogToDpi(m_hWnd, m_layout96, m_layoutDpi);
    RECT before;
    ::GetWindowRect(m_hWnd, &before);
    BOOL result = OnInitDialog();
    if (!m_hWnd)
        return result;
    // A dialog that its initialisation neither showed nor moved is centred
    // once, before it is first shown.
    RECT after;
    ::GetWindowRect(m_hWnd, &after);
    bool placed = (style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN | WS_CHILD)) != 0;
    if (!placed && !m_bPlacedByInit && !::IsWindowVisible(m_hWnd) && ::EqualRect(&before, &after))
        CenterWindow();
    return result;
}

// Moved to a monitor of another DPI. Windows has scaled the frame (and, for
// a per-monitor-v2 dialog, the fonts) and suggests a rectangle: the dialog
// stands where it says, at the size of its 96-DPI layout at the new DPI;
// the suggestion's own size scales the whole old window, frame included,
// and would carry on any rounding of the fit before.
LRESULT CDialog::HandleDpiChanged(WPARAM wParam, LPARAM lParam)
{
    const UINT dpi = HIWORD(wParam);
    const RECT* suggested = SuggestedRect(lParam);
    if (dpi == 0 || !suggested)
        return 0;   // not the system's notice
    const POINT at{suggested->left, suggested->top};
    Default();
    m_layoutDpi = dpi;
    FitDialogToDpi(m_hWnd, m_layout96, dpi);
    ::SetWindowPos(m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    OnDpiChanged(dpi);
    return 0;
}

void CDialog::CenterWindow()
{
    RECT area;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
        area = info.rcWork;
    }
    RECT rect;
    ::GetWindowRect(m_hWnd, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

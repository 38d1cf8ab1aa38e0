#include "framework/Wnd.h"

#include "framework/App.h"
#include "framework/Text.h"

#include "text/Cp1251Utf16.h"

namespace {
CWnd* g_pBorn = nullptr;     // the object the next created window is bound to
HHOOK g_hBirthHook = nullptr;
}

const MessageMap* CWnd::GetMessageMap() const
{
    static const MessageMap kMap{nullptr, nullptr, 0};
    return &kMap;
}

CWnd::~CWnd()
{
    // A derived class that needs its own WM_DESTROY handling destroys the
    // window in its own destructor; here only the base is left to see it.
    if (m_hWnd && m_pfnSuper) {
        HWND hwnd = m_hWnd;
        Unbind();
        ::DestroyWindow(hwnd);
    }
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* text, DWORD style, const RECT& rect,
                    HWND parent, UINT_PTR idOrMenu)
{
    BirthHook hook(this);
    HWND hwnd = ::CreateWindowExW(exStyle, cp1251::ToUtf16(className).c_str(), cp1251::ToUtf16(text).c_str(), style,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                  (HMENU)idOrMenu, ::GetModuleHandleW(nullptr), nullptr);
    return hwnd != nullptr;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (m_pfnSuper)
        Unbind();
    m_hWnd = nullptr;
    return hwnd;
}

void CWnd::DestroyWindow()
{
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);   // WM_NCDESTROY unbinds
}

std::string CWnd::GetWindowText() const { return WindowTextOf(m_hWnd); }

void CWnd::SetWindowText(const std::string& text) { SetWindowTextOf(m_hWnd, text); }

// The W functions: subclassing with an A function would make the window an
// ANSI window, which garbles Bulgarian under any code page but 1251.
void CWnd::AttachAtBirth(HWND hwnd)
{
    m_hWnd = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, (LONG_PTR)this);
    m_pfnSuper = (WNDPROC)::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)&CWnd::StaticProc);
}

void CWnd::Unbind()
{
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
}

LRESULT CWnd::Default()
{
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, m_current.msg, m_current.wParam, m_current.lParam);
    return ::DefWindowProcW(m_hWnd, m_current.msg, m_current.wParam, m_current.lParam);
}

bool Matches(const MessageEntry& e, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (e.match) {
    case Match::Message:
        return msg == e.first;
    case Match::Range:
        return msg >= e.first && msg <= e.second;
    case Match::Command:
        // Menus send code 0, accelerators 1, a clicked button BN_CLICKED (0).
        return msg == WM_COMMAND && LOWORD(wParam) == e.first && (lParam == 0 || HIWORD(wParam) == BN_CLICKED);
    case Match::CommandCode:
        return msg == WM_COMMAND && lParam != 0 && HIWORD(wParam) == e.first && LOWORD(wParam) == e.second;
    case Match::Notify: {
        if (msg != WM_NOTIFY || lParam == 0)
            return false;
        const NMHDR* hdr = (const NMHDR*)lParam;
        return hdr->code == e.first && hdr->idFrom == e.second;
    }
    case Match::Registered:
        return *e.pRegistered != 0 && msg == *e.pRegistered;
    }
    return false;
}

LRESULT msgmap::DefaultThunk(CWnd& wnd, UINT, WPARAM, LPARAM) { return wnd.Default(); }

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    bool fromControl = (msg == WM_COMMAND && lParam != 0) || msg == WM_NOTIFY;
    if (fromControl && IsNotifyLockedOut())
        return 0;
    for (const MessageMap* map = GetMessageMap(); map; map = map->pBase)
        for (std::size_t i = 0; i < map->nEntries; ++i)
            if (Matches(map->pEntries[i], msg, wParam, lParam))
                return map->pEntries[i].thunk(*this, msg, wParam, lParam);
    return Default();
}

LRESULT CALLBACK CWnd::StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CWnd* self = (CWnd*)::GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    if (!self)
        return ::DefWindowProcW(hwnd, msg, wParam, lParam);
    Current outer = self->m_current;   // messages nest (SendMessage inside a handler)
    self->m_current = {msg, wParam, lParam};
    LRESULT result = self->WindowProc(msg, wParam, lParam);
    self->m_current = outer;
    if (msg == WM_NCDESTROY && self->m_hWnd == hwnd) {
        self->Unbind();
        if (CWinApp* app = CWinApp::Get(); app && app->m_pMainWnd == self) {
            // The application ends with its main window.
            app->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
    }
    return result;
}

BirthHook::BirthHook(CWnd* pWnd)
{
    g_pBorn = pWnd;
    g_hBirthHook = ::SetWindowsHookExW(WH_CBT, &BirthHook::CbtProc, nullptr, ::GetCurrentThreadId());
}

BirthHook::~BirthHook()
{
    g_pBorn = nullptr;
    if (g_hBirthHook) {
        ::UnhookWindowsHookEx(g_hBirthHook);
        g_hBirthHook = nullptr;
    }
}

LRESULT CALLBACK BirthHook::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    HHOOK hook = g_hBirthHook;
    if (code == HCBT_CREATEWND && g_pBorn) {
        CWnd* pWnd = g_pBorn;
        g_pBorn = nullptr;
        // Only the first window is ours; a dialog's controls come after it.
        ::UnhookWindowsHookEx(g_hBirthHook);
        g_hBirthHook = nullptr;
        pWnd->AttachAtBirth((HWND)wParam);
    }
    return ::CallNextHookEx(hook, code, wParam, lParam);
}

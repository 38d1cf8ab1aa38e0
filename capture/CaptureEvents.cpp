// Capture events: the messages Tapwire posts, and the clipboard-viewer chain.
// Two roads lead to a lookup. A mouse selection makes the target copy and
// reads the clipboard at once; a copy gesture (Ctrl+C, right button + Copy)
// only marks a capture as pending, and the next clipboard change is read.
#include "ui/MainDlg.h"

#include "capture/ClipboardText.h"
#include "capture/CopyRequest.h"
#include "res/resource.h"
#include "ui/TapwireMessages.h"

#include <cstring>

namespace {
constexpr UINT HINT_TIMEOUT_MS = 20000;
const char TEXT_USAGE_HINT[] = "Използвайте \"Ctrl + C\" или \"Десен бутон на мишката + Copy\"";
}

// wParam: the window that got the left-button release or double click;
// lParam: the foreground window at that moment. Always: empty the clipboard,
// have the target copy, read.
LRESULT CMainDlg::OnMouseSelection(WPARAM wParam, LPARAM lParam)
{
    if (!m_pTarget)
        return 0;
    if (m_bAutoAttach)
        AttachToWindow(reinterpret_cast<HWND>(lParam));
    ShowTargetTitle();
    switch (m_nCopyMethod) {
    case COPY_OTHER:
    case COPY_DOC:
        ClearClipboard();
        m_pTarget->m_hwndChild = reinterpret_cast<HWND>(wParam);
        SendCopyRequest(m_pTarget->m_hwndChild, WM_COPY, 0, 0);
        break;
    case COPY_HTML:
        ClearClipboard();
        CopyByCommand();
        break;
    case COPY_HELP:
        ClearClipboard();
        CopyByMenuCommand();
        break;
    case COPY_PDF:
        ClearClipboard();
        CopyByAcrobatMenu();
        break;
    default:
        return 0;   // no copy method chosen yet
    }
    TranslateSelection();
    return 1;
}

// The application copies by itself; we only wait for the clipboard to change.
LRESULT CMainDlg::OnCopyGesture(WPARAM, LPARAM)
{
    m_bCapturePending = 1;
    return 0;
}

// A gesture may still wait in our queue when the change it caused is
// announced: the notice is a sent message and is delivered ahead of posted
// ones, so on a busy machine it overtakes the gesture. That gesture is taken
// now, as if it had come first. Only posted messages are looked at, so no
// other notice is handled in between.
bool CMainDlg::TakeQueuedCopyGesture()
{
    MSG msg;
    const UINT flags = PM_REMOVE | PM_QS_POSTMESSAGE;
    return ::PeekMessageA(&msg, m_hWnd, g_nMsgKeyboardCtrlC, g_nMsgKeyboardCtrlC, flags)
        || ::PeekMessageA(&msg, m_hWnd, g_nMsgRButtonUpMouse, g_nMsgRButtonUpMouse, flags);
}

// The clipboard changed. The notice goes down the chain first, whatever we
// do with it; a pending copy gesture takes this change as its copy.
void CMainDlg::OnDrawClipboard()
{
    if (g_hwndNextViewer)
        ::SendMessageA(g_hwndNextViewer, WM_DRAWCLIPBOARD, 0, 0);
    if (m_bCapturePending || TakeQueuedCopyGesture()) {
        TranslateClipboard();
        m_bCapturePending = 0;
        ::SetTimer(m_hWnd, TIMER_HIDE_TIPS, (UINT)m_nTimeoutMs, nullptr);
    }
}

// A viewer leaves the chain. When it is the one after us, the one after it
// becomes our next; the notice is passed on in every case, so the rest of the
// chain repairs itself too.
void CMainDlg::OnChangeCbChain(HWND hWndRemove, HWND hWndAfter)
{
    if (hWndRemove == g_hwndNextViewer)
        g_hwndNextViewer = hWndAfter;
    if (g_hwndNextViewer)
        ::SendMessageA(g_hwndNextViewer, WM_CHANGECBCHAIN, (WPARAM)hWndRemove, (LPARAM)hWndAfter);
}

void CMainDlg::ClearClipboard()
{
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
}

// Whatever another program left on the clipboard, only the block it
// allocated is read (see TextOfClipboardBlock).
void CMainDlg::ReadClipboardText(char* buffer)
{
    buffer[0] = '\0';
    if (!::OpenClipboard(nullptr))
        return;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const void* block = ::GlobalLock(data)) {
            CopyToBuffer(TextOfClipboardBlock(block, ::GlobalSize(data)), buffer, CLIPBOARD_BUFFER_SIZE);
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
}

// Posts the lookup of the text's word; a text that holds no word shows, the
// first time, how else to capture a word.
void CMainDlg::ShowWordTranslation(const char* text)
{
    std::string word = StripSpaces(text);
    if (word.empty()) {
        if (!m_bHintShown) {
            m_tip.ShowAtCursor(TEXT_USAGE_HINT);
            ::SetTimer(m_hWnd, TIMER_HIDE_TIPS, HINT_TIMEOUT_MS, nullptr);
            m_bHintShown = 1;
        }
        return;
    }
    PostTranslation(m_dictionary.Lookup(word.c_str()));
}

void CMainDlg::TranslateSelection()
{
    char buffer[CLIPBOARD_BUFFER_SIZE];
    ReadClipboardText(buffer);
    ShowWordTranslation(buffer);
}

// The copy-gesture road: the text as read, spaces and all; nothing before
// the dictionary is loaded.
void CMainDlg::TranslateClipboard()
{
    char buffer[CLIPBOARD_BUFFER_SIZE];
    ReadClipboardText(buffer);
    if (m_bReady)
        PostTranslation(m_dictionary.Lookup(buffer));
}

void CMainDlg::ShowTargetTitle()
{
    ::SetDlgItemTextA(m_hWnd, IDC_TARGET_TITLE, m_strTargetTitle.c_str());
    UpdateData(true);
}

// Capture events: the messages Tapwire posts, and the clipboard-viewer chain.
#include "ui/MainDlg.h"

LRESULT CMainDlg::OnMouseSelection(WPARAM, LPARAM) { return 0; }

LRESULT CMainDlg::OnCopyGesture(WPARAM, LPARAM) { return 0; }

// The clipboard changed. The notice goes down the chain first, whatever we
// do with it.
void CMainDlg::OnDrawClipboard()
{
    if (g_hwndNextViewer)
        ::SendMessageA(g_hwndNextViewer, WM_DRAWCLIPBOARD, 0, 0);
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

void CMainDlg::ClearClipboard() {}

void CMainDlg::ReadClipboardText(char* buffer) { buffer[0] = '\0'; }

std::string CMainDlg::FirstWordOf(const char* text) { return text; }

int CMainDlg::ShowWordTranslation(const char*) { return 0; }

void CMainDlg::TranslateSelection() {}

void CMainDlg::TranslateClipboard() {}

void CMainDlg::ShowTargetTitle() {}

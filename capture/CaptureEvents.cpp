// Capture events: the messages Tapwire posts, and the clipboard-viewer chain.
// Two roads lead to a lookup. A mouse selection borrows the clipboard, makes
// the target copy, reads at once and gives the user's content back
// (SelectionCapture.cpp); a copy gesture (Ctrl+C, right button + Copy) only
// marks a capture as pending, and the next clipboard change is read.
#include "ui/MainDlg.h"

#include "capture/ClipboardSnapshot.h"
#include "capture/ClipboardText.h"
#include "dictionary/LookupFolding.h"
#include "framework/Text.h"
#include "hooklib/Tapwire.h"
#include "res/resource.h"
#include "text/Cp1251Literal.h"

#include <cstring>

namespace {
constexpr UINT HINT_TIMEOUT_MS = 20000;
constexpr auto TEXT_USAGE_HINT = cp1251::Literal(u8"Използвайте \"Ctrl + C\" или \"Десен бутон на мишката + Copy\"");
}

// wParam: the window that got the left-button release or double click;
// lParam: the foreground window at that moment. Tapwire reports every
// release (a double click reports three times); only the one that ends a
// selection is captured (CaptureSelection). The dialog shows the target's
// title after the capture: the translation is what the user waits for.
LRESULT CMainDlg::OnMouseSelection(WPARAM wParam, LPARAM lParam)
{
    if (!m_pTarget || !m_mouseWatch.TakesReports())
        return 0;   // not ours to take: see RemoveCaptureHooks
    if (!m_gate.MayCapture(reinterpret_cast<HWND>(lParam))) {
        m_mouseWatch.TakeSelection();   // this release is spent
        return 0;
    }
    if (m_bAutoAttach)
        AttachToWindow(reinterpret_cast<HWND>(lParam));
    // No copy method chosen yet, or a plain click, which selects nothing.
    const bool selection =
        m_nCopyMethod >= COPY_OTHER && m_nCopyMethod <= COPY_PDF && m_mouseWatch.TakeSelection();
    if (selection)
        CaptureSelection(reinterpret_cast<HWND>(wParam));
    if (m_bAutoAttach)
        UpdateData(false);
    ShowTargetTitle();
    return selection ? 1 : 0;
}

// The application copies by itself; we only wait for the clipboard to change.
// Zeto's own Ctrl+C, reported back by Tapwire, is no gesture of the user's.
LRESULT CMainDlg::OnCopyGesture(WPARAM, LPARAM lParam)
{
    const HWND foreground = reinterpret_cast<HWND>(lParam);
    if (m_borrow.IsOwnCtrlCEcho(::GetMessageTime(), foreground) || !m_gate.MayCapture(foreground))
        return 0;
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
    for (UINT gesture : {g_tapwireMessages.ctrlC, g_tapwireMessages.rbuttonCopy})
        while (::PeekMessageA(&msg, m_hWnd, gesture, gesture, flags))
            if (!m_borrow.IsOwnCtrlCEcho(msg.time, reinterpret_cast<HWND>(msg.lParam)) &&
                m_gate.MayCapture(reinterpret_cast<HWND>(msg.lParam)))
                return true;
    return false;
}

// The clipboard changed. The notice goes down the chain first, whatever we
// do with it; a pending copy gesture takes this change as its copy, unless
// Zeto made the change itself or the copy is a secret (its gesture is spent
// on it all the same).
void CMainDlg::OnDrawClipboard()
{
    if (g_hwndNextViewer)
        ::SendMessageA(g_hwndNextViewer, WM_DRAWCLIPBOARD, 0, 0);
    if (m_borrow.IsOwnChange())
        return;
    if (ClipboardHoldsSecret()) {
        m_bCapturePending = 0;
        while (TakeQueuedCopyGesture()) {
        }
        return;
    }
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

namespace {

// ANSI text by the clipboard rules, then in Windows-1251; the rules' own
// message is Windows-1251 already. Text in another code page goes through
// UTF-16, converted as the lookup wants it.
std::string AnsiClipboardText(const void* block, SIZE_T size, WideToLookup convert)
{
    const std::string text = TextOfClipboardBlock(block, size);
    if (text == TEXT_WORD_TOO_LONG || ::GetACP() == 1251)
        return text;
    return convert(WideFromAnsiCodePage(text));
}

} // namespace

// Whatever another program left on the clipboard, only the block it
// allocated is read (see TextOfClipboardBlock), and only of the owner's text
// format (OwnersTextFormat): the reader makes the other one, and under Wine
// making it costs the reader a kilobyte each time, never given back. Unicode text is converted to
// Windows-1251, ANSI text from the system's code page to Windows-1251.
void CMainDlg::ReadClipboardText(char* buffer)
{
    buffer[0] = '\0';
    if (!OpenClipboardBriefly(nullptr))
        return;
    const UINT format = OwnersTextFormat();
    if (HANDLE data = format ? ::GetClipboardData(format) : nullptr) {
        if (const void* block = ::GlobalLock(data)) {
            const SIZE_T size = ::GlobalSize(data);
            // With Find Base Forms, letters Windows-1251 lacks are folded
            // (café is looked up as cafe); without, they become '?'.
            const WideToLookup convert = m_settings.findBaseForms ? lookupfold::ForLookup : PlainCp1251;
            const std::string text = format == CF_UNICODETEXT ? TextOfUnicodeClipboardBlock(block, size, convert)
                                                              : AnsiClipboardText(block, size, convert);
            CopyToBuffer(text, buffer, CLIPBOARD_BUFFER_SIZE);
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
            m_tip.ShowAtCursor(TEXT_USAGE_HINT.c_str());
            ::SetTimer(m_hWnd, TIMER_HIDE_TIPS, HINT_TIMEOUT_MS, nullptr);
            m_bHintShown = 1;
        }
        return;
    }
    PostTranslation(LookupForDisplay(word.c_str()));
    m_history.FromApplication();
}

// The copy the target made is not read when it is a secret.
void CMainDlg::TranslateSelection()
{
    if (ClipboardHoldsSecret())
        return;
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
    if (m_bReady) {
        PostTranslation(LookupForDisplay(buffer));
        m_history.FromApplication();
    }
}

void CMainDlg::ShowTargetTitle()
{
    SetItemText(m_hWnd, IDC_TARGET_TITLE, m_strTargetTitle);
    UpdateData(true);
}

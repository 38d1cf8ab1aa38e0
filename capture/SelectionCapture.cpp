// The mouse road asks an edit control for its selection (ControlRead), or
// UI Automation (AutomationRead), and otherwise borrows the user's
// clipboard (ClipboardBorrow): what is on it is saved, the target is made to
// copy, Zeto reads the copy, and the saved content goes back. Only a selection gesture gets this far (CMouseWatch); a target that
// hangs costs at most one CopyDeadline; and an application that ignores the
// copy request gets Ctrl+C, the way the user would copy.
#include "ui/MainDlg.h"

#include "capture/ClipboardBorrow.h"
#include "capture/ControlRead.h"
#include "capture/ControlSelection.h"
#include "capture/KeepOut.h"
#include "dictionary/LookupFolding.h"

#include <algorithm>

namespace {
// The longest Zeto waits for the application to copy on its Ctrl+C (or on a
// posted command).
constexpr DWORD CTRL_C_COPY_WAIT_MS = 500;

bool AnyKeyOrButtonDown()
{
    const int keys[] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2, VK_SHIFT,
                        VK_CONTROL, VK_MENU,    VK_LWIN,    VK_RWIN};
    for (int key : keys)
        if (::GetAsyncKeyState(key) & 0x8000)
            return true;
    return false;
}

// Waits, handling the messages sent to Zeto meanwhile, until the clipboard
// holds something or timeoutMs has passed.
bool WaitForCopy(DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (::CountClipboardFormats() > 0)
            return true;
        DWORD spent = ::GetTickCount() - start;
        if (spent >= timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(1, timeoutMs - spent), QS_SENDMESSAGE);
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void PressCtrlC()
{
    INPUT keys[4] = {};
    const WORD vks[4] = {VK_CONTROL, 'C', 'C', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = vks[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    ::SendInput(4, keys, sizeof(INPUT));
}
}  // namespace

// An edit control or UI Automation is asked for the selection first
// (ReadSelectionDirectly).
// A secret on the clipboard is neither read nor borrowed: the selection
// goes untranslated. A clipboard another program holds open gives an empty
// text, as a read of it would.
void CMainDlg::CaptureSelection(HWND hwndRelease)
{
    m_copyDeadline.Start();
    if (ReadSelectionDirectly(hwndRelease))
        return;
    if (ClipboardHoldsSecret())
        return;
    switch (m_borrow.Begin(m_hWnd, hwndRelease ? hwndRelease : m_pTarget->m_hwndTop)) {
    case ClipboardBorrow::Start::Borrowed:
        break;
    case ClipboardBorrow::Start::Busy:
        ShowWordTranslation("");   // nothing could be read: an empty text, as when no word was copied
        return;
    case ClipboardBorrow::Start::Refused:
        return;
    }
    RequestCopy(hwndRelease);
    if (::CountClipboardFormats() == 0 && m_nCopyMethod == COPY_PDF)
        WaitForCopy(std::min(CTRL_C_COPY_WAIT_MS, m_copyDeadline.RemainingMs()));
    if (::CountClipboardFormats() == 0 && m_settings.copyWithCtrlC)
        CopyWithCtrlC(hwndRelease);
    TranslateSelection();
    m_borrow.CopyRead();
    ShowTranslationNow();
    m_borrow.End();
}

// The control the copy would be asked of, when it is an edit, gives its
// selection itself; otherwise UI Automation is asked for the focused
// element's, in the target's process. False when Zeto must borrow the
// clipboard after all.
bool CMainDlg::ReadSelectionDirectly(HWND hwndRelease)
{
    ControlReading reading;
    if (m_nCopyMethod == COPY_OTHER || m_nCopyMethod == COPY_DOC) {
        reading = ReadControlSelection(hwndRelease, m_copyDeadline);
        if (reading.outcome != ControlReading::Outcome::NotAnEdit)
            m_pTarget->m_hwndChild = hwndRelease;
    }
    if (reading.outcome == ControlReading::Outcome::NotAnEdit)
        reading = m_automation.Read(hwndRelease ? hwndRelease : m_pTarget->m_hwndTop,
                                    std::min(AutomationReader::BUDGET_MS, m_copyDeadline.RemainingMs()));
    if (reading.outcome == ControlReading::Outcome::NotAnEdit)
        return false;
    if (reading.outcome == ControlReading::Outcome::Read) {
        const WideToLookup convert = m_settings.findBaseForms ? lookupfold::ForLookup : PlainCp1251;
        ShowWordTranslation(LookupTextOfSelection(reading.text, reading.selected, convert).c_str());
        ShowTranslationNow();
    }
    return true;
}

// The translation is shown before the user's content goes back: the restore
// and its notices down the clipboard-viewer chain need not delay it.
void CMainDlg::ShowTranslationNow()
{
    MSG msg;
    if (::PeekMessageW(&msg, m_hWnd, WM_SHOWTRANSLATION, WM_SHOWTRANSLATION, PM_REMOVE | PM_QS_POSTMESSAGE))
        ::DispatchMessageW(&msg);
}

// The copy step of the method chosen for the target.
void CMainDlg::RequestCopy(HWND hwndRelease)
{
    switch (m_nCopyMethod) {
    case COPY_OTHER:
    case COPY_DOC:
        m_pTarget->m_hwndChild = hwndRelease;
        SendCopyRequest(hwndRelease, WM_COPY, 0, 0, m_copyDeadline.RemainingMs());
        break;
    case COPY_HTML:
        CopyByCommand();
        break;
    case COPY_HELP:
        CopyByMenuCommand();
        break;
    case COPY_PDF:
        CopyByAcrobatMenu();
        break;
    }
}

// Ctrl+C goes to the focus of the foreground window, so it is pressed only
// when the target is in front, never in a console (where it interrupts),
// never into a hung window, and never while the user holds a button or a
// modifier (the keys would mix with the user's).
bool CMainDlg::CopyWithCtrlC(HWND hwndRelease)
{
    HWND target = hwndRelease ? ::GetAncestor(hwndRelease, GA_ROOT) : m_pTarget->m_hwndTop;
    if (!target || target != ::GetForegroundWindow() || ::IsHungAppWindow(target) || AnyKeyOrButtonDown())
        return false;
    char className[64] = "";
    ::GetClassNameA(target, className, sizeof className);
    if (IsConsoleWindowClass(className) || IsTerminalProgram(ProgramOfWindow(target)))
        return false;
    DWORD timeout = std::min(CTRL_C_COPY_WAIT_MS, m_copyDeadline.RemainingMs());
    if (timeout == 0)
        return false;
    m_borrow.PressingCtrlC(target);
    PressCtrlC();
    return WaitForCopy(timeout);
}

// foreground: the window the report names as the foreground one.

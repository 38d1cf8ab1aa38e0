#include "capture/ClipboardBorrow.h"

#include "framework/Text.h"
#include "res/resource.h"
#include "text/Cp1251Literal.h"

namespace {
// A restore the clipboard refuses is tried again this often, for this long;
// after that the copy is kept and tried at the slower pace until it goes back.
constexpr UINT RESTORE_RETRY_MS = 50;
constexpr DWORD RESTORE_RETRY_FOR_MS = 5000;
constexpr UINT KEPT_RETRY_MS = 500;
// After a restore, a copy of the target's may still land (Ctrl+C handled
// late, a posted command, a request answered past its deadline): watched
// for this long, this often.
constexpr DWORD LATE_COPY_WATCH_MS = 1000;
constexpr UINT LATE_COPY_POLL_MS = 50;
// Reports from the window Zeto pressed Ctrl+C in, posted this long after,
// are taken for its echo (the key's release may be handled well after the
// copy).
constexpr DWORD OWN_CTRL_C_ECHO_MS = 1000;
// A copy of the user's content up to this size is kept after the watch, for
// the next borrow while the clipboard still holds what Zeto put back.
constexpr std::size_t KEEP_SAVED_UP_TO = 1 << 20;

constexpr auto TEXT_CLIPBOARD_TOO_LARGE =
    cp1251::Literal(u8"Клипбордът е по-голям от 64 MB: думата не е преведена, за да не се загуби съдържанието му");
constexpr auto TEXT_CLIPBOARD_OBJECT = cp1251::Literal(
    u8"Клипбордът съдържа обект или файлове на друга програма: маркираното не се превежда, за да не се загуби съдържанието му");
constexpr auto TEXT_CLIPBOARD_CUT =
    cp1251::Literal(u8"Клипбордът съдържа изрязани файлове: маркираното не се превежда, за да не се провали преместването им");
constexpr auto TEXT_CLIPBOARD_OWNERS_ONLY = cp1251::Literal(
    u8"Клипбордът съдържа данни, които само програмата им може да копира: маркираното не се превежда, за да не се загубят");
constexpr auto TEXT_CLIPBOARD_UNKNOWN = cp1251::Literal(
    u8"Клипбордът съдържа непознат формат: маркираното не се превежда, за да не се загуби съдържанието му");
constexpr auto TEXT_CLIPBOARD_NOT_RENDERED = cp1251::Literal(
    u8"Програмата, копирала на клипборда, не дава съдържанието му: маркираното не се превежда, за да не се загуби");
constexpr auto TEXT_RESTORE_FAILED = cp1251::Literal(
    u8"Клипбордът не можа да бъде върнат: съдържанието му е запазено и ще бъде върнато при първа възможност");

const char* RefusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::ObjectOrVirtualFile: return TEXT_CLIPBOARD_OBJECT.c_str();
    case Refusal::Cut: return TEXT_CLIPBOARD_CUT.c_str();
    case Refusal::OwnersOnly: return TEXT_CLIPBOARD_OWNERS_ONLY.c_str();
    case Refusal::Unknown: return TEXT_CLIPBOARD_UNKNOWN.c_str();
    case Refusal::None: break;
    }
    return nullptr;
}

DWORD ProcessOf(HWND hwnd)
{
    DWORD process = 0;
    if (hwnd)
        ::GetWindowThreadProcessId(hwnd, &process);
    return process;
}

// The block of the owner's text format; the clipboard is open.
std::string TextBlock(UINT format)
{
    std::string bytes;
    HANDLE data = format ? ::GetClipboardData(format) : nullptr;
    if (const char* p = data ? static_cast<const char*>(::GlobalLock(data)) : nullptr) {
        bytes.assign(p, ::GlobalSize(data));
        ::GlobalUnlock(data);
    }
    return bytes;
}
}  // namespace

// A copy still waiting to go back gets a last chance.
ClipboardBorrow::~ClipboardBorrow()
{
    if (RestorePending())
        TryRestore(true);
}

ClipboardBorrow::Start ClipboardBorrow::Begin(HWND dialog, HWND target)
{
    m_dialog = dialog;
    m_hwnd = m_timer.Window();
    if (!m_hwnd)
        return Start::Busy;
    // The user's content waiting to go back would be saved as the user's
    // next time: it goes back first, or nothing is borrowed.
    if (RestorePending() && TryRestore(true) == Restore::Busy)
        return Start::Busy;
    // Unchanged since Zeto put the user's content back: the copy held is
    // that content and is not read again. (Each read costs time, and under
    // Wine a kilobyte for good when the reader owns the clipboard.)
    const bool unchanged = m_saved.Holds() && (long long)::GetClipboardSequenceNumber() == m_ownSequence;
    m_timer.Stop();
    m_state = State::Idle;
    switch (unchanged ? ClipboardSnapshot::Result::Saved : m_saved.Take(m_hwnd)) {
    case ClipboardSnapshot::Result::Saved:
        break;
    case ClipboardSnapshot::Result::TooLarge:
        Say(TEXT_CLIPBOARD_TOO_LARGE.c_str());
        return Start::Refused;
    case ClipboardSnapshot::Result::Refused:
    case ClipboardSnapshot::Result::NotRendered:
        if (!m_refusalSaid) {
            const char* why = m_saved.refusal() == Refusal::None ? TEXT_CLIPBOARD_NOT_RENDERED.c_str()
                                                                 : RefusalText(m_saved.refusal());
            Say(why);
            m_refusalSaid = true;
        }
        return Start::Refused;
    case ClipboardSnapshot::Result::Busy:
        return Start::Busy;   // nor could Zeto empty it, nor the target copy onto it
    }
    m_state = State::Borrowing;
    m_targetProcess = ProcessOf(target);
    m_formatRead = 0;
    m_textRead.clear();
    if (::OpenClipboard(m_hwnd)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
    m_sequenceRead = ::GetClipboardSequenceNumber();
    return Start::Borrowed;
}

// Just read, so the clipboard is rarely held; when it is, Zeto does not wait:
// the restore finds the copy changed and looks whose it is.
void ClipboardBorrow::CopyRead()
{
    if (!::OpenClipboard(m_hwnd))
        return;
    m_sequenceRead = ::GetClipboardSequenceNumber();
    m_formatRead = OwnersTextFormat();
    m_textRead = TextBlock(m_formatRead);
    ::CloseClipboard();
}

void ClipboardBorrow::End()
{
    if (m_state != State::Borrowing)
        return;
    switch (TryRestore(true)) {
    case Restore::Done:
        m_state = State::Watching;
        m_since = ::GetTickCount();
        m_timer.Start(LATE_COPY_POLL_MS);
        break;
    case Restore::Busy:
        m_state = State::Retrying;
        m_since = ::GetTickCount();
        m_timer.Start(RESTORE_RETRY_MS);
        break;
    case Restore::Superseded:
        Finish();
        break;
    }
}

bool ClipboardBorrow::IsOwnChange() const
{
    return m_state == State::Borrowing || m_restoring ||
           (long long)::GetClipboardSequenceNumber() == m_ownSequence;
}

// A copy on the clipboard is the target's when its owner belongs to the
// target's process and it holds the text Zeto read, or, when Zeto found no
// copy, any text: the copy it asked for, arriving late.
bool ClipboardBorrow::IsTargetsCopy() const
{
    if (!m_targetProcess || ProcessOf(::GetClipboardOwner()) != m_targetProcess)
        return false;
    if (!m_formatRead)
        return true;
    return OwnersTextFormat() == m_formatRead && TextBlock(m_formatRead) == m_textRead;
}

// The change number is checked with the clipboard open, so nobody changes
// it between the check and the restore.
ClipboardBorrow::Restore ClipboardBorrow::TryRestore(bool briefly)
{
    if (!(briefly ? OpenClipboardBriefly(m_hwnd) : ::OpenClipboard(m_hwnd)))
        return Restore::Busy;
    if (::GetClipboardSequenceNumber() != m_sequenceRead && !IsTargetsCopy()) {
        ::CloseClipboard();
        Finish();
        return Restore::Superseded;
    }
    // The viewers' notice of this change may come before CloseClipboard returns.
    m_restoring = true;
    m_saved.PutBack();
    ::CloseClipboard();
    m_restoring = false;
    m_ownSequence = ::GetClipboardSequenceNumber();
    m_sequenceRead = (DWORD)m_ownSequence;   // from now on, a change is judged against the restore
    return Restore::Done;
}

void ClipboardBorrow::OnTimer()
{
    const DWORD spent = ::GetTickCount() - m_since;
    switch (m_state) {
    case State::Retrying:
    case State::Kept:
        if (TryRestore(false) == Restore::Done) {
            m_state = State::Watching;
            m_since = ::GetTickCount();
            m_timer.Start(LATE_COPY_POLL_MS);
        } else if (m_state == State::Retrying && spent >= RESTORE_RETRY_FOR_MS) {
            m_state = State::Kept;
            m_timer.Start(KEPT_RETRY_MS);
            Say(TEXT_RESTORE_FAILED.c_str());
        }
        break;
    case State::Watching:
        if ((long long)::GetClipboardSequenceNumber() != m_ownSequence && TryRestore(false) == Restore::Busy)
            break;   // looked at again at the next tick
        if (m_state == State::Watching && spent >= LATE_COPY_WATCH_MS)
            EndWatch();
        break;
    case State::Idle:
    case State::Borrowing:
        m_timer.Stop();
        break;
    }
}

void ClipboardBorrow::Say(const char* text) const
{
    if (m_dialog)
        SetItemText(m_dialog, IDC_TRANSLATION, text);
}

// The user's content is back for good; a small copy of it stays for the next
// borrow.
void ClipboardBorrow::EndWatch()
{
    m_timer.Stop();
    m_state = State::Idle;
    if (m_saved.Bytes() > KEEP_SAVED_UP_TO)
        m_saved.Clear();
}

// Nothing more to give back: the saved copy goes.
void ClipboardBorrow::Finish()
{
    m_timer.Stop();
    m_saved.Clear();
    m_state = State::Idle;
}

void ClipboardBorrow::PressingCtrlC(HWND window)
{
    m_ownCtrlCTick = ::GetTickCount();
    m_ownCtrlCWindow = window;
}

bool ClipboardBorrow::IsOwnCtrlCEcho(DWORD postTime, HWND foreground) const
{
    return m_ownCtrlCWindow && foreground == m_ownCtrlCWindow && postTime - m_ownCtrlCTick < OWN_CTRL_C_ECHO_MS;
}

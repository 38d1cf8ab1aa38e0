#include "capture/ControlRead.h"

#include "capture/ControlSelection.h"

#include <algorithm>
#include <vector>

namespace {

// The system carries these messages (EM_GETSEL's and EM_GETLINE's buffers
// included) across processes; Wine 8 does too.
bool Ask(HWND control, UINT msg, WPARAM wParam, LPARAM lParam, const CopyDeadline& deadline, LRESULT& answer)
{
    const DWORD timeout = deadline.RemainingMs();
    DWORD_PTR result = 0;
    if (timeout == 0 ||
        !::SendMessageTimeoutW(control, msg, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeout, &result))
        return false;
    answer = static_cast<LRESULT>(result);
    return true;
}

bool IsEdit(HWND control)
{
    wchar_t name[64] = L"";
    if (::GetClassNameW(control, name, 64) && IsEditClass(name))
        return true;
    // A superclassed edit (a framework's memo, say) names its base class here
    // on Windows; Wine 8 gives the superclass's own name, so there such an
    // edit is copied from as before.
    return ::RealGetWindowClassW(control, name, 64) && IsEditClass(name);
}

// Zeto may hear of a double click from its first release, before the
// control has handled the second click, which selects: an empty selection is
// asked for again, for a moment, while the messages sent to Zeto are handled.
constexpr DWORD SELECTION_SETTLE_MS = 250;

bool AskSelection(HWND control, const CopyDeadline& deadline, DWORD& start, DWORD& end)
{
    const DWORD asked = ::GetTickCount();
    for (;;) {
        LRESULT ignored = 0;
        if (!Ask(control, EM_GETSEL, (WPARAM)&start, (LPARAM)&end, deadline, ignored))
            return false;
        if (end > start || ::GetTickCount() - asked >= SELECTION_SETTLE_MS)
            return true;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_SENDMESSAGE);
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// Line `line` of the control, read up to `wanted` characters from `from`
// (EM_GETLINE reads from the line's start: what comes before is read too).
bool ReadLine(HWND control, LRESULT line, std::size_t from, std::size_t wanted, const CopyDeadline& deadline,
              ControlLine& out)
{
    LRESULT index = 0, length = 0;
    if (!Ask(control, EM_LINEINDEX, line, 0, deadline, index) || index < 0 ||
        !Ask(control, EM_LINELENGTH, index, 0, deadline, length) || length < 0)
        return false;
    out.index = static_cast<std::size_t>(index);
    out.length = static_cast<std::size_t>(length);
    const std::size_t count = std::min<std::size_t>({std::max(from, out.index) - out.index + wanted, out.length, 0x7FFF});
    out.text.clear();
    if (count == 0)
        return true;
    // The buffer tells its size in its first WORD. Wine 8 carries back only
    // as many bytes as that size counts characters: it is given twice what
    // is read.
    std::vector<wchar_t> buffer(2 * count);
    buffer[0] = static_cast<wchar_t>(2 * count);
    LRESULT copied = 0;
    if (!Ask(control, EM_GETLINE, line, (LPARAM)buffer.data(), deadline, copied))
        return false;
    out.text.assign(buffer.data(), std::min<std::size_t>(std::max<LRESULT>(copied, 0), count));
    return true;
}

}  // namespace

ControlReading ReadControlSelection(HWND control, const CopyDeadline& deadline)
{
    ControlReading reading;
    if (!control || !IsEdit(control))
        return reading;
    // An edit that does not say whether it hides a password is not copied
    // from either.
    reading.outcome = ControlReading::Outcome::LeftAlone;
    LRESULT passwordChar = 0;
    if ((::GetWindowLongW(control, GWL_STYLE) & ES_PASSWORD) ||
        !Ask(control, EM_GETPASSWORDCHAR, 0, 0, deadline, passwordChar) || passwordChar != 0)
        return reading;
    DWORD start = 0, end = 0;
    if (!AskSelection(control, deadline, start, end))
        return ControlReading{};
    if (end <= start)
        return reading;   // nothing selected
    reading.selected = end - start;
    const std::size_t needed = CharsNeeded(reading.selected);
    LRESULT line = 0;
    if (!Ask(control, EM_LINEFROMCHAR, start, 0, deadline, line))
        return ControlReading{};
    std::vector<ControlLine> lines;
    for (std::size_t read = 0; read < needed; ++line) {
        ControlLine next{};
        if (!ReadLine(control, line, start, needed - read, deadline, next) ||
            (!lines.empty() && next.index <= lines.back().index))
            break;
        lines.push_back(std::move(next));
        read = SelectedText(start, end, lines, needed).size();
        if (lines.back().index + lines.back().length >= end)
            break;
    }
    if (lines.empty())
        return ControlReading{};   // it did not answer in time
    reading.text = SelectedText(start, end, lines, needed);
    reading.outcome = ControlReading::Outcome::Read;
    return reading;
}

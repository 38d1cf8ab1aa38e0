#include "tests/typing/TypingSupport.h"

#include "framework/App.h"

#include <cstdio>

namespace typing {

std::string Hex(const std::string& bytes)
{
    std::string text;
    char part[4];
    for (unsigned char c : bytes) {
        std::snprintf(part, sizeof part, text.empty() ? "%02X" : " %02X", c);
        text += part;
    }
    return text;
}

void SetText(HWND dlg, int id, const std::string& text) { support::SetTextOf(::GetDlgItem(dlg, id), text); }

void PostClick(HWND dlg, int id)
{
    ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)::GetDlgItem(dlg, id));
}

void SetCheck(HWND dlg, int id, bool checked)
{
    ::SendDlgItemMessageA(dlg, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

using support::IsDialog;

Matcher Caption(const std::string& caption)
{
    return [caption](HWND hwnd) { return IsDialog(hwnd) && support::TextOf(hwnd) == caption; };
}

Matcher FrameworkBox() { return Caption(ExecutableBaseName()); }

DialogScript& DialogScript::AnswerBox()
{
    return Then(FrameworkBox(), [this](HWND box) {
        boxTexts.push_back(support::ReadBox(box).text);
        support::AnswerOk(box);
    });
}

static DialogScript* s_script = nullptr;

DialogScript::DialogScript()
{
    s_script = this;
    m_start = ::GetTickCount();
    m_timer = ::SetTimer(nullptr, 0, 50, &DialogScript::Tick);
}

DialogScript::~DialogScript()
{
    ::KillTimer(nullptr, m_timer);
    s_script = nullptr;
}

DialogScript& DialogScript::Then(Matcher match, std::function<void(HWND)> act, std::function<bool()> when)
{
    m_steps.push_back({std::move(match), std::move(act), std::move(when)});
    return *this;
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_script)
        s_script->OnTick();
}

namespace {
BOOL CALLBACK CancelDialog(HWND hwnd, LPARAM)
{
    if (IsDialog(hwnd))
        ::PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}
} // namespace

void DialogScript::OnTick()
{
    if (m_inTick)
        return;
    if (Done())
        return;
    if (::GetTickCount() - m_start > timeoutMs) {
        // Stuck: let every modal loop end so the test can report it.
        ::EnumThreadWindows(::GetCurrentThreadId(), &CancelDialog, 0);
        return;
    }
    Step& step = m_steps[m_next];
    HWND found = support::FindThreadWindow(step.match);
    if (!found || (step.when && !step.when()))
        return;
    ++m_next;
    m_inTick = true;
    step.act(found);
    m_inTick = false;
}

} // namespace typing

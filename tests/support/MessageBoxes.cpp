#include "tests/support/MessageBoxes.h"

namespace support {

namespace {
MessageBoxWatcher* g_watcher = nullptr;
} // namespace

HWND FindThreadWindow(const std::function<bool(HWND)>& match)
{
    struct Search {
        const std::function<bool(HWND)>& match;
        HWND found;
    } search{match, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* s = (Search*)lParam;
        if (!s->match(hwnd))
            return TRUE;
        s->found = hwnd;
        return FALSE;
    }, (LPARAM)&search);
    return search.found;
}

MessageBoxWatcher::MessageBoxWatcher()
{
    g_watcher = this;
    m_timer = ::SetTimer(nullptr, 0, 30, &MessageBoxWatcher::Tick);
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    ::KillTimer(nullptr, m_timer);
    g_watcher = nullptr;
}

void CALLBACK MessageBoxWatcher::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (!g_watcher)
        return;
    HWND box = FindThreadWindow(IsMessageBox);
    if (!box)
        return;
    g_watcher->m_seen.push_back(ReadBox(box));
    if (g_watcher->onBox)
        g_watcher->onBox(box);
    AnswerOk(box);
}

bool IsDialog(HWND hwnd)
{
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof cls);
    return std::string(cls) == "#32770" && ::IsWindowVisible(hwnd);
}

bool IsMessageBox(HWND hwnd) { return IsDialog(hwnd) && ::GetDlgItem(hwnd, 0xFFFF); }

SeenBox ReadBox(HWND box)
{
    SeenBox seen;
    seen.caption = TextOf(box);
    seen.text = TextOf(::GetDlgItem(box, 0xFFFF));
    // Wine's message box shows its icon in a static of id 0x0440 (stc1).
    seen.icon = (HICON)::SendDlgItemMessageA(box, 0x0440, STM_GETICON, 0, 0);
    HWND ok = ::GetDlgItem(box, IDOK);
    HWND cancel = ::GetDlgItem(box, IDCANCEL);
    seen.hasOk = ok && ::IsWindowVisible(ok);
    seen.hasCancel = cancel && ::IsWindowVisible(cancel);
    seen.owner = ::GetWindow(box, GW_OWNER);
    return seen;
}

void AnswerOk(HWND box) { ::PostMessageA(box, WM_COMMAND, IDOK, (LPARAM)::GetDlgItem(box, IDOK)); }

} // namespace support

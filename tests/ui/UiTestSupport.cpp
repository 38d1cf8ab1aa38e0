#include "tests/ui/UiTestSupport.h"

#include "dictionary/Dictionary.h"

#include <cstdio>
#include <cstdlib>

namespace uitest {

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    for (;;) {
        PumpPending();
        if (cond())
            return true;
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return cond();
        // Wakes for any message; a short bound covers conditions that change
        // in other processes without a message to us.
        DWORD wait = timeoutMs - elapsed;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, wait < 20 ? wait : 20, QS_ALLINPUT);
    }
}

void WriteDictionary(const std::string& path, const Pairs& pairs)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    CDictionary writer;
    for (const auto& pair : pairs)
        writer.WriteRecord(WordPair(pair.first.c_str(), pair.second.c_str()), file);
    std::fclose(file);
}

namespace {
MessageBoxWatcher* g_watcher = nullptr;

struct BoxSearch {
    HWND box = nullptr;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lParam)
{
    char cls[16] = "";
    ::GetClassNameA(hwnd, cls, sizeof cls);
    // A message box is a dialog with a static of id 0xFFFF holding its text.
    if (std::string(cls) == "#32770" && ::IsWindowVisible(hwnd) && ::GetDlgItem(hwnd, 0xFFFF)) {
        ((BoxSearch*)lParam)->box = hwnd;
        return FALSE;
    }
    return TRUE;
}
} // namespace

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
    BoxSearch search;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, (LPARAM)&search);
    if (!search.box)
        return;
    HWND box = search.box;
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
    g_watcher->m_seen.push_back(seen);
    if (g_watcher->onBox)
        g_watcher->onBox(box);
    ::PostMessageA(box, WM_COMMAND, IDOK, (LPARAM)ok);
}

std::string TextOf(HWND hwnd)
{
    char buffer[4096] = "";
    LRESULT n = ::SendMessageA(hwnd, WM_GETTEXT, sizeof buffer, (LPARAM)buffer);
    return std::string(buffer, n > 0 ? (size_t)n : 0);
}

COLORREF BrushColor(HBRUSH brush)
{
    LOGBRUSH lb{};
    ::GetObjectA(brush, sizeof lb, &lb);
    return lb.lbColor;
}

std::string BuildPath(const std::string& relative)
{
    const char* build = std::getenv("WORDLUMO_BUILD_DIR");
    std::string path = std::string("Z:") + (build ? build : "") + "/" + relative;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

} // namespace uitest

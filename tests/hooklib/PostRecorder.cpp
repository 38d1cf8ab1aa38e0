#include "PostRecorder.h"

#include <cstdio>

namespace {

const char kClassName[] = "HookTestPostRecorder";

void RegisterRecorderClass(WNDPROC proc)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);  // fails harmlessly when already registered
}

}  // namespace

PostRecorder::PostRecorder()
{
    RegisterRecorderClass(WndProc);
    m_hwnd = CreateWindowExA(0, kClassName, "hook test recorder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleA(nullptr), this);
}

PostRecorder::~PostRecorder()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
}

LRESULT CALLBACK PostRecorder::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<PostRecorder*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    // Registered messages lie in 0xC000..0xFFFF; the targets use WM_APP.
    if (self && message >= WM_APP)
        self->m_posts.push_back({message, wParam, lParam});
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool PostRecorder::WaitFor(const std::function<bool()>& done, DWORD timeoutMs)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        PumpMessages();
        if (done())
            return true;
        ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        // Some conditions (a process ending, the foreground window) bring no
        // message with them: look again every few milliseconds.
        DWORD slice = static_cast<DWORD>(deadline - now < 10 ? deadline - now : 10);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, slice, QS_ALLINPUT);
    }
}

bool PostRecorder::WaitForPost(UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs)
{
    return WaitFor([&] { return Count(message, wParam, lParam) > 0; }, timeoutMs);
}

int PostRecorder::Count(UINT message) const
{
    int n = 0;
    for (const Posted& p : m_posts)
        n += p.message == message;
    return n;
}

int PostRecorder::Count(UINT message, WPARAM wParam, LPARAM lParam) const
{
    int n = 0;
    for (const Posted& p : m_posts)
        n += p.message == message && p.wParam == wParam && p.lParam == lParam;
    return n;
}

std::string PostRecorder::Trace(size_t first) const
{
    std::string trace;
    for (size_t i = first; i < m_posts.size(); ++i) {
        char name[80] = "";
        if (m_posts[i].message >= 0xC000)
            GetClipboardFormatNameA(m_posts[i].message, name, sizeof name);  // registered message names live there too
        char line[160];
        std::snprintf(line, sizeof line, "  %#x %s wParam %#llx lParam %#llx\n", m_posts[i].message, name,
                      static_cast<unsigned long long>(m_posts[i].wParam),
                      static_cast<unsigned long long>(m_posts[i].lParam));
        trace += line;
    }
    return trace;
}

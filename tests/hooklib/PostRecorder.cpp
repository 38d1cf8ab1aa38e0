#include "PostRecorder.h"

#include "tests/support/WindowClass.h"

#include <cstdio>

PostRecorder::PostRecorder()
{
    support::RegisterWindowClass("HookTestPostRecorder", WndProc);
    m_hwnd = CreateWindowExA(0, "HookTestPostRecorder", "hook test recorder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
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

int PostRecorder::Count(UINT message, size_t first) const
{
    int n = 0;
    for (size_t i = first; i < m_posts.size(); ++i)
        n += m_posts[i].message == message;
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

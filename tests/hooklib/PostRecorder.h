// A window of the test that receives what the hooks and the target programs
// post, and keeps every message in arrival order.
#pragma once
#include "tests/support/Pump.h"
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class PostRecorder {
public:
    PostRecorder();
    ~PostRecorder();
    PostRecorder(const PostRecorder&) = delete;
    PostRecorder& operator=(const PostRecorder&) = delete;

    HWND hwnd() const { return m_hwnd; }
    const std::vector<Posted>& posts() const { return m_posts; }
    void Clear() { m_posts.clear(); }

    // Handles this thread's messages until `done` holds or `timeoutMs` has
    // passed; true when `done` held.
    bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 15000);
    // Waits until a post of `message` with these parameters has arrived.
    bool WaitForPost(UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs = 15000);
    int Count(UINT message) const;
    int Count(UINT message, WPARAM wParam, LPARAM lParam) const;
    // The posts from index `first` on, one per line, for failure messages.
    std::string Trace(size_t first = 0) const;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    std::vector<Posted> m_posts;
};

// Handles this thread's pending messages once, so that windows of this
// thread (and hooks on it) keep working while a test waits elsewhere.
inline void PumpMessages() { support::PumpPending(); }

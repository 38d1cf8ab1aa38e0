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

    // Handles this thread's messages until `done` holds or `timeoutMs` has
    // passed; true when `done` held. Some conditions (a process ending, the
    // foreground window) bring no message with them: they are looked at again
    // every few milliseconds.
    bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 15000)
    {
        return support::PumpUntil(done, timeoutMs, 10);
    }
    // Posts of `message` from index `first` on.
    int Count(UINT message, size_t first = 0) const;
    int Count(UINT message, WPARAM wParam, LPARAM lParam) const;
    // The posts from index `first` on, one per line, for failure messages.
    std::string Trace(size_t first = 0) const;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    std::vector<Posted> m_posts;
};

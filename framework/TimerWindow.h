// A timer of an object's own, on a message-only window. A feature that needs
// a timer keeps it here, never on the main dialog: every timer of the main
// dialog hides its tooltips when it fires.
#pragma once
#include <windows.h>

#include <functional>

// A message-only window of its own class (registered at the first call),
// owned by the calling thread, with owner in its GWLP_USERDATA; null when
// the system made none.
HWND CreateMessageWindow(const wchar_t* className, WNDPROC proc, void* owner);

class CTimerWindow {
public:
    // onTick runs on the thread that started the timer, in its message loop.
    explicit CTimerWindow(std::function<void()> onTick);
    ~CTimerWindow();
    CTimerWindow(const CTimerWindow&) = delete;
    CTimerWindow& operator=(const CTimerWindow&) = delete;

    // Starts (or restarts) ticking every intervalMs; false when the window
    // or the timer could not be made.
    bool Start(UINT intervalMs);
    void Stop();
    bool Running() const { return m_running; }
    // The window itself, made on first use (null when it could not be): an
    // owner for what needs one, such as the clipboard while it is opened.
    HWND Window();

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    std::function<void()> m_onTick;
    HWND m_hwnd = nullptr;
    bool m_running = false;
};

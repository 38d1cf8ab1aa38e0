// The copy requests Zeto sends to other applications' windows. A target that
// hangs must not freeze Zeto: all the waiting one selection does on its
// target (every request, and the wait for a Ctrl+C copy) draws on one budget,
// after which Zeto goes on as if nothing had been copied.
#pragma once
#include <windows.h>

// One selection's whole time with its target.
constexpr UINT COPY_REQUEST_TIMEOUT_MS = 2000;

class CopyDeadline {
public:
    void Start()
    {
        m_start = ::GetTickCount();
        m_started = true;
    }
    // Milliseconds left of COPY_REQUEST_TIMEOUT_MS since Start (all of them
    // before the first Start); 0 when spent.
    DWORD RemainingMs() const;

private:
    DWORD m_start = 0;
    bool m_started = false;
};

// SendMessageA within timeoutMs; false when the target did not answer in time
// (or there is no such window, or no time was left). A target the system
// already knows to be hung is not waited for at all.
bool SendCopyRequest(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, DWORD timeoutMs = COPY_REQUEST_TIMEOUT_MS);

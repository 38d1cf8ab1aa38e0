#include "capture/CopyRequest.h"

DWORD CopyDeadline::RemainingMs() const
{
    if (!m_started)
        return COPY_REQUEST_TIMEOUT_MS;
    DWORD spent = ::GetTickCount() - m_start;
    return spent >= COPY_REQUEST_TIMEOUT_MS ? 0 : COPY_REQUEST_TIMEOUT_MS - spent;
}

bool SendCopyRequest(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, DWORD timeoutMs)
{
    if (!hwnd || timeoutMs == 0)
        return false;
    DWORD_PTR result = 0;
    // Messages sent to Zeto meanwhile are still handled.
    return ::SendMessageTimeoutA(hwnd, msg, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

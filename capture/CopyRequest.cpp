#include "capture/CopyRequest.h"

bool SendCopyRequest(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!hwnd)
        return false;
    DWORD_PTR result = 0;
    // SMTO_ABORTIFHUNG: a target the system already knows to be hung is not
    // waited for at all. Messages sent to Zeto meanwhile are still handled.
    return ::SendMessageTimeoutA(hwnd, msg, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                                 COPY_REQUEST_TIMEOUT_MS, &result) != 0;
}

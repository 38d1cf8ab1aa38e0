// The copy requests Zeto sends to other applications' windows. A target that
// hangs must not freeze Zeto: a request waits a bounded time, after which Zeto
// goes on as if nothing had been copied (the clipboard was emptied before).
#pragma once
#include <windows.h>

constexpr UINT COPY_REQUEST_TIMEOUT_MS = 2000;

// SendMessageA with a time limit; false when the target did not answer in
// time (or there is no such window).
bool SendCopyRequest(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

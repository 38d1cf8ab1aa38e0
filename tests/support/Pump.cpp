#include "tests/support/Pump.h"

namespace support {

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs, DWORD pollMs)
{
    DWORD start = ::GetTickCount();
    for (;;) {
        PumpPending();
        if (cond())
            return true;
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return cond();
        DWORD wait = timeoutMs - elapsed;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, wait < pollMs ? wait : pollMs, QS_ALLINPUT);
    }
}

} // namespace support

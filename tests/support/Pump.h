// Waiting in the tests under Wine: this thread's messages are dispatched
// while a condition is awaited, so windows under test keep working.
#pragma once
#include <windows.h>

#include <functional>

namespace support {

// Dispatches what is queued now (and what that produces) without waiting.
void PumpPending();

// Dispatches this thread's messages until cond() holds or timeoutMs passed;
// returns cond() at the end. Never sleeps blindly: it waits for messages,
// checking at least every pollMs for conditions that change in other
// processes without a message to us (a timing wants 1 ms, not 20).
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 10000, DWORD pollMs = 20);

} // namespace support

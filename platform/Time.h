#pragma once
// Time on the current machine's clock: real in use, virtual in tests.

#include <cstdint>

#include "platform/WinTypes.h"

DWORD GetTickCount();
std::uint64_t GetTickCount64();
void Sleep(DWORD milliseconds);

namespace platform {

// Waits until the tick count reaches `tick_ms` or until WakeWaiter() is called. On a virtual
// clock the time jumps to `tick_ms`. Used by the framework's message loop when it is idle.
void WaitUntil(std::uint64_t tick_ms);
// Ends a WaitUntil early; safe from a signal handler or another thread.
void WakeWaiter();

}  // namespace platform

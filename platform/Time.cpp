#include "platform/Time.h"

#include "machine/Clock.h"
#include "platform/CurrentClock.h"

namespace platform {

namespace {
machine::Clock* g_clock = nullptr;
}

machine::Clock& CurrentClock()
{
    static machine::RealClock real;
    return g_clock ? *g_clock : real;
}

machine::Clock* SetCurrentClock(machine::Clock* clock)
{
    machine::Clock* previous = g_clock;
    g_clock = clock;
    return previous;
}

void WaitUntil(std::uint64_t tick_ms) { CurrentClock().wait_until(tick_ms); }
void WakeWaiter() { CurrentClock().wake(); }

}  // namespace platform

DWORD GetTickCount() { return static_cast<DWORD>(platform::CurrentClock().now_ms()); }
std::uint64_t GetTickCount64() { return platform::CurrentClock().now_ms(); }
void Sleep(DWORD milliseconds) { platform::CurrentClock().sleep_ms(milliseconds); }

#pragma once
// The clock the platform's time functions read: the current machine's. Without one
// installed, a real clock.

namespace machine {
class Clock;
}

namespace platform {

machine::Clock& CurrentClock();
// Installs `clock` (nullptr: the real clock) and returns the one installed before.
machine::Clock* SetCurrentClock(machine::Clock* clock);

}  // namespace platform

#pragma once
// The protocol driver's NT service: stopped, start pending for a while, running.

#include <cstdint>

#include "machine/Clock.h"
#include "machine/MachineTypes.h"

namespace machine {

struct Faults;

class DriverService {
public:
    DriverService(Clock& clock, const Faults& faults, bool installed, bool running, std::uint64_t start_pending_ms);

    // Each returns a last-error code, 0 for success.
    std::uint32_t open() const;
    std::uint32_t start();
    ServiceQuery query() const;
    std::uint32_t stop();
    bool running() const { return state() == ServiceState::Running; }

private:
    ServiceState state() const;

    Clock& m_clock;
    const Faults& m_faults;
    bool m_installed;
    bool m_started;
    std::uint64_t m_running_from = 0;
    std::uint64_t m_start_pending_ms;
};

}  // namespace machine

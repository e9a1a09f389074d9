#include "machine/DriverService.h"

#include "machine/ErrorCodes.h"
#include "machine/Faults.h"

namespace machine {

DriverService::DriverService(Clock& clock, const Faults& faults, bool installed, bool running,
                             std::uint64_t start_pending_ms)
    : m_clock(clock), m_faults(faults), m_installed(installed), m_started(running),
      m_start_pending_ms(start_pending_ms)
{
}

std::uint32_t DriverService::open() const
{
    return m_installed && !m_faults.service_missing ? 0 : kErrorServiceDoesNotExist;
}

std::uint32_t DriverService::start()
{
    if (std::uint32_t error = open())
        return error;
    if (m_started)
        return kErrorServiceAlreadyRunning;
    if (m_faults.service_start_fails)
        return kErrorServiceRequestTimeout;
    m_started = true;
    m_running_from = m_clock.now_ms() + m_start_pending_ms;
    return 0;
}

ServiceState DriverService::state() const
{
    if (!m_started || open() != 0)
        return ServiceState::Stopped;
    if (m_faults.service_stuck_start_pending || m_clock.now_ms() < m_running_from)
        return ServiceState::StartPending;
    return ServiceState::Running;
}

ServiceQuery DriverService::query() const
{
    if (std::uint32_t error = open())
        return {error, ServiceState::Stopped};
    return {0, state()};
}

std::uint32_t DriverService::stop()
{
    if (std::uint32_t error = open())
        return error;
    if (!m_started)
        return kErrorServiceNotActive;
    m_started = false;
    return 0;
}

}  // namespace machine

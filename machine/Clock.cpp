#include "machine/Clock.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace machine {

void VirtualClock::wait_until(std::uint64_t deadline_ms)
{
    if (deadline_ms > m_now)
        m_now = deadline_ms;
}

namespace {
std::int64_t steady_ns()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

RealClock::RealClock() : m_start_ns(steady_ns())
{
    // A self-pipe lets wake() interrupt a wait from a signal handler or another thread.
    if (pipe2(m_wake_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        m_wake_pipe[0] = m_wake_pipe[1] = -1;
}

RealClock::~RealClock()
{
    for (int fd : m_wake_pipe)
        if (fd >= 0)
            close(fd);
}

std::uint64_t RealClock::now_ms() const
{
    return static_cast<std::uint64_t>((steady_ns() - m_start_ns) / 1'000'000);
}

void RealClock::sleep_ms(std::uint64_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void RealClock::wait_until(std::uint64_t deadline_ms)
{
    for (;;) {
        std::uint64_t now = now_ms();
        if (now >= deadline_ms)
            return;
        pollfd fd{m_wake_pipe[0], POLLIN, 0};
        int timeout = static_cast<int>(std::min<std::uint64_t>(deadline_ms - now, 60'000));
        int n = poll(&fd, m_wake_pipe[0] >= 0 ? 1 : 0, timeout);
        if (n > 0) {
            char drain[64];
            while (read(m_wake_pipe[0], drain, sizeof drain) > 0) {
            }
            return;
        }
        if (n < 0 && errno != EINTR)
            return;
    }
}

void RealClock::wake()
{
    if (m_wake_pipe[1] >= 0) {
        char c = 1;
        [[maybe_unused]] auto n = write(m_wake_pipe[1], &c, 1);
    }
}

}  // namespace machine

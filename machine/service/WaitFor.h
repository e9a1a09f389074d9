#pragma once
// Waiting on one descriptor until a deadline, the way every wait of the service's clients is
// bounded: a service that hangs or dies never hangs the program.

#include <cerrno>
#include <chrono>
#include <poll.h>

namespace machine::service {

inline int remaining_ms(std::chrono::steady_clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for `events` on `fd` until `deadline`; false on time-out or error.
inline bool wait_for(int fd, short events, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = poll(&p, 1, remaining_ms(deadline));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

}  // namespace machine::service

#pragma once
// Window timers by the platform's rules: a due timer yields one WM_TIMER when the queue is
// empty, and its next period starts when that message is taken, so a late timer never
// leaves a backlog.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "framework/Messages.h"

namespace fw {

class TimerTable {
public:
    // Starts or restarts timer `id` of `window`; returns `id` (never 0 for a live timer).
    UINT_PTR set(HWND window, UINT_PTR id, UINT period_ms, std::uint64_t now_ms);
    bool kill(HWND window, UINT_PTR id);
    void kill_all(HWND window);
    bool exists(HWND window, UINT_PTR id) const;
    std::size_t size() const { return m_timers.size(); }
    std::optional<std::uint64_t> next_due() const;
    // The WM_TIMER of the timer due longest at `now_ms`, which then waits a full period again.
    std::optional<MSG> take_due(std::uint64_t now_ms);

private:
    struct Timer {
        HWND window;
        UINT_PTR id;
        UINT period;
        std::uint64_t due;
    };
    std::vector<Timer> m_timers;
};

}  // namespace fw

#include "framework/TimerTable.h"

#include <algorithm>

namespace fw {

namespace {
// The platform's shortest period; a period of 0 means this.
constexpr UINT kMinimumPeriodMs = 10;
}  // namespace

UINT_PTR TimerTable::set(HWND window, UINT_PTR id, UINT period_ms, std::uint64_t now_ms)
{
    const UINT period = std::max(period_ms, kMinimumPeriodMs);
    if (window == nullptr && id == 0) {
        // A timer without a window gets an identifier of its own.
        id = 1;
        while (exists(nullptr, id))
            ++id;
    }
    for (Timer& t : m_timers) {
        if (t.window == window && t.id == id) {
            t.period = period;
            t.due = now_ms + period;
            return id == 0 ? 1 : id;
        }
    }
    m_timers.push_back({window, id, period, now_ms + period});
    // A window timer with id 0 still runs; the platform reports success as non-zero.
    return id == 0 ? 1 : id;
}

bool TimerTable::kill(HWND window, UINT_PTR id)
{
    auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
    if (it == m_timers.end())
        return false;
    m_timers.erase(it);
    return true;
}

void TimerTable::kill_all(HWND window)
{
    std::erase_if(m_timers, [&](const Timer& t) { return t.window == window; });
}

bool TimerTable::exists(HWND window, UINT_PTR id) const
{
    return std::any_of(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
}

std::optional<std::uint64_t> TimerTable::next_due() const
{
    if (m_timers.empty())
        return std::nullopt;
    return std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) { return a.due < b.due; })->due;
}

std::optional<MSG> TimerTable::take_due(std::uint64_t now_ms)
{
    auto it = std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) { return a.due < b.due; });
    if (it == m_timers.end() || it->due > now_ms)
        return std::nullopt;
    it->due = now_ms + it->period;
    MSG msg;
    msg.hwnd = it->window;
    msg.message = WM_TIMER;
    msg.wParam = it->id;
    msg.time = static_cast<DWORD>(now_ms);
    return msg;
}

}  // namespace fw

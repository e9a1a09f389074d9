#pragma once
// The machine's clock. Everything time-based (Sleep, timers, scans, signal noise, traffic)
// reads this one clock, so tests run on virtual time and a 3-second scan takes no time.

#include <cstdint>

namespace machine {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since the machine started.
    virtual std::uint64_t now_ms() const = 0;
    // Blocks the calling thread for `ms` (virtual: moves time forward at once).
    virtual void sleep_ms(std::uint64_t ms) = 0;
    // Waits until `deadline_ms` or until `wake()` is called, whichever comes first.
    // Virtual time jumps to the deadline: nothing else can happen meanwhile.
    virtual void wait_until(std::uint64_t deadline_ms) = 0;
    // Ends a wait_until early (thread- and signal-safe).
    virtual void wake() = 0;
    virtual bool is_virtual() const = 0;
};

class VirtualClock final : public Clock {
public:
    std::uint64_t now_ms() const override { return m_now; }
    void sleep_ms(std::uint64_t ms) override { m_now += ms; }
    void wait_until(std::uint64_t deadline_ms) override;
    void wake() override {}
    bool is_virtual() const override { return true; }
    void advance(std::uint64_t ms) { m_now += ms; }

private:
    std::uint64_t m_now = 0;
};

class RealClock final : public Clock {
public:
    RealClock();
    ~RealClock() override;
    RealClock(const RealClock&) = delete;
    RealClock& operator=(const RealClock&) = delete;

    std::uint64_t now_ms() const override;
    void sleep_ms(std::uint64_t ms) override;
    void wait_until(std::uint64_t deadline_ms) override;
    void wake() override;
    bool is_virtual() const override { return false; }

private:
    std::int64_t m_start_ns;
    int m_wake_pipe[2];
};

}  // namespace machine

#pragma once
// The adapter's six 32-bit traffic counters. They grow only while the station is joined,
// at the scenario's rates with a little variation from second to second, and wrap.

#include <cstdint>
#include <span>

#include "machine/adapter/WirelessScenario.h"

namespace machine {

class TrafficCounters {
public:
    TrafficCounters(const TrafficRates& rates, std::uint64_t seed);

    // Adds the traffic of the interval [from_ms, to_ms).
    void accumulate(std::uint64_t from_ms, std::uint64_t to_ms);
    // The 24-byte answer: tx frames, tx bytes, tx errors, rx frames, rx bytes, rx errors.
    void write(std::span<std::uint8_t> data) const;

    // New rates from now on; what was counted stays.
    void set_rates(std::uint64_t tx_bytes_per_s, std::uint64_t rx_bytes_per_s)
    {
        m_tx.rate = tx_bytes_per_s;
        m_rx.rate = rx_bytes_per_s;
    }

    std::uint32_t tx_bytes() const { return static_cast<std::uint32_t>(m_tx.bytes); }
    std::uint32_t rx_bytes() const { return static_cast<std::uint32_t>(m_rx.bytes); }

    static constexpr std::size_t kRecordSize = 24;

private:
    struct Direction {
        std::uint64_t rate = 0;
        std::uint64_t bytes = 0;
        std::uint64_t fraction = 0;  // of a byte, in units of kFractionUnits
        std::uint64_t stream = 0;
    };
    void add(Direction& direction, std::uint64_t second, std::uint64_t ms);

    Direction m_tx;
    Direction m_rx;
    std::uint64_t m_seed;
    int m_variation_percent;
};

}  // namespace machine

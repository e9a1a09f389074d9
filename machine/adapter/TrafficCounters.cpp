#include "machine/adapter/TrafficCounters.h"

#include <algorithm>

#include "machine/adapter/ByteFields.h"
#include "machine/adapter/PseudoRandom.h"

namespace machine {

namespace {
// rate (bytes/s) x percent x ms gives bytes in these units.
constexpr std::uint64_t kFractionUnits = 100 * 1000;
constexpr std::uint64_t kMeanFrameBytes = 512;
constexpr std::uint64_t kTxStream = 0x7478;
constexpr std::uint64_t kRxStream = 0x7278;
}  // namespace

TrafficCounters::TrafficCounters(const TrafficRates& rates, std::uint64_t seed)
    : m_seed(seed), m_variation_percent(rates.variation_percent)
{
    m_tx = {rates.tx_bytes_per_s, rates.start_tx_bytes, 0, kTxStream};
    m_rx = {rates.rx_bytes_per_s, rates.start_rx_bytes, 0, kRxStream};
}

void TrafficCounters::add(Direction& direction, std::uint64_t second, std::uint64_t ms)
{
    const auto percent =
        static_cast<std::uint64_t>(100 + noise_offset(m_seed, direction.stream, second, m_variation_percent));
    direction.fraction += direction.rate * percent * ms;
    direction.bytes += direction.fraction / kFractionUnits;
    direction.fraction %= kFractionUnits;
}

void TrafficCounters::accumulate(std::uint64_t from_ms, std::uint64_t to_ms)
{
    // Second by second, so the total does not depend on how often the counters are read.
    while (from_ms < to_ms) {
        const std::uint64_t second = from_ms / 1000;
        const std::uint64_t end = std::min(to_ms, (second + 1) * 1000);
        add(m_tx, second, end - from_ms);
        add(m_rx, second, end - from_ms);
        from_ms = end;
    }
}

void TrafficCounters::write(std::span<std::uint8_t> data) const
{
    const auto low32 = [](std::uint64_t v) { return static_cast<std::uint32_t>(v); };
    put_u32(data, 0, low32(m_tx.bytes / kMeanFrameBytes));
    put_u32(data, 4, low32(m_tx.bytes));
    put_u32(data, 8, 0);
    put_u32(data, 12, low32(m_rx.bytes / kMeanFrameBytes));
    put_u32(data, 16, low32(m_rx.bytes));
    put_u32(data, 20, 0);
}

}  // namespace machine

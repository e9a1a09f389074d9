#include "AdapterFixture.h"

#include "machine/adapter/ScenarioParser.h"

namespace adapter_test {
namespace {

using machine::oid::kTrafficCounters;

struct Counters {
    std::uint32_t tx;
    std::uint32_t rx;
};

Counters read_counters(machine::Adapter& adapter)
{
    std::vector<std::uint8_t> data(24, 0);
    EXPECT_TRUE(adapter.query(kTrafficCounters, data));
    const auto at = [&](std::size_t o) {
        return static_cast<std::uint32_t>(data[o]) | static_cast<std::uint32_t>(data[o + 1]) << 8 |
               static_cast<std::uint32_t>(data[o + 2]) << 16 | static_cast<std::uint32_t>(data[o + 3]) << 24;
    };
    return {at(4), at(16)};
}

class Traffic : public AdapterTest {};

TEST_F(Traffic, GrowsAtTheScenarioRatesWhileJoinedAndStopsWhenNot)
{
    make();  // 1000 and 4000 bytes/s, +-20 %
    EXPECT_EQ(read_counters(*adapter).tx, 0u);
    clock.advance(10000);
    const Counters joined = read_counters(*adapter);
    EXPECT_GE(joined.tx, 8000u);
    EXPECT_LE(joined.tx, 12000u);
    EXPECT_GE(joined.rx, 32000u);
    EXPECT_LE(joined.rx, 48000u);

    set_ssid("Nowhere");
    clock.advance(10000);
    const Counters idle = read_counters(*adapter);
    EXPECT_EQ(idle.tx, joined.tx);
    EXPECT_EQ(idle.rx, joined.rx);
}

TEST_F(Traffic, TotalsDoNotDependOnHowOftenTheyAreRead)
{
    auto world = small_world();
    world["events"] = R"([{"at_ms": 7300, "switch_off": ["02:00:00:00:00:01"]}])"_json;
    make(world);
    machine::VirtualClock rare_clock;
    machine::SimulatedAdapter rarely_read(machine::parse_wireless_scenario(world), rare_clock);

    for (int i = 0; i < 200; ++i) {
        clock.advance(70);
        read_counters(*adapter);
    }
    rare_clock.advance(14000);
    const Counters often = read_counters(*adapter);
    const Counters rarely = read_counters(rarely_read);
    EXPECT_EQ(often.tx, rarely.tx);
    EXPECT_EQ(often.rx, rarely.rx);
    EXPECT_GT(often.tx, 0u);
}

TEST_F(Traffic, ThirtyTwoBitCountersWrap)
{
    auto world = small_world();
    world["traffic"] = R"({"tx_bytes_per_s": 1000, "rx_bytes_per_s": 500, "variation_percent": 0,
                           "start_tx_bytes": 4294967000, "start_rx_bytes": 4294967295})"_json;
    make(world);
    clock.advance(1000);
    const Counters c = read_counters(*adapter);
    EXPECT_EQ(c.tx, 704u);  // 4294967000 + 1000 - 2^32
    EXPECT_EQ(c.rx, 499u);
}

}  // namespace
}  // namespace adapter_test

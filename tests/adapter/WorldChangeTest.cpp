// The radio world changed while the station runs, as the machine's control changes it: the
// station follows at once, and the next scan sees the change.
#include "AdapterFixture.h"

#include "machine/adapter/ScenarioParser.h"

namespace adapter_test {
namespace {

using namespace machine::oid;

machine::MacAddress Mac(const char* text) { return machine::parse_mac_address(text, "bssid"); }

bool Listed(const std::vector<ListedNetwork>& list, const std::string& ssid)
{
    for (const ListedNetwork& n : list)
        if (n.ssid == ssid)
            return true;
    return false;
}

class WorldChange : public AdapterTest {};

TEST_F(WorldChange, TheStationFollowsSignalSwitchAndNewNetworks)
{
    make();
    const machine::MacAddress open_a = Mac("02:00:00:00:00:01");
    ASSERT_EQ(bssid_text(), "02:00:00:00:00:01");

    // Weaker but in range: still joined, at the new level.
    ASSERT_TRUE(adapter->set_signal(open_a, -80));
    EXPECT_EQ(static_cast<std::int32_t>(query_u32(kRssi)), -80);
    // Below the adapter's sensitivity: the link drops, and comes back with the signal.
    ASSERT_TRUE(adapter->set_signal(open_a, -95));
    EXPECT_EQ(query_bytes(kLinkState, 4)[0], 0);
    ASSERT_TRUE(adapter->set_signal(open_a, -50));
    EXPECT_EQ(bssid_text(), "02:00:00:00:00:01");

    ASSERT_TRUE(adapter->switch_network(open_a, false));
    EXPECT_EQ(query_bytes(kLinkState, 4)[0], 0);
    EXPECT_EQ(adapter->status().joined, false);
    ASSERT_TRUE(adapter->switch_network(open_a, true));
    EXPECT_EQ(adapter->status().ssid, "Open-A");

    // A network that appears is listed by the next scan; its BSSID cannot be taken again.
    machine::RadioNetwork pier = machine::parse_radio_network(
        nlohmann::json::parse(R"({"bssid": "02:00:00:00:00:09", "ssid": "Pier", "channel": 2, "signal_dbm": -40})"),
        "network");
    ASSERT_TRUE(adapter->add_network(pier));
    EXPECT_FALSE(adapter->add_network(pier)) << "a BSSID taken twice";
    ASSERT_TRUE(set_u32(kBssidListScan, 0));
    clock.advance(2000);
    EXPECT_TRUE(Listed(scan_list(), "Pier"));
    EXPECT_EQ(adapter->networks().size(), 9u);

    EXPECT_FALSE(adapter->set_signal(Mac("02:00:00:00:00:99"), -60));
    EXPECT_FALSE(adapter->switch_network(Mac("02:00:00:00:00:99"), false));
}

TEST_F(WorldChange, NewTrafficRatesCountFromNowOn)
{
    make();
    clock.advance(10'000);
    const machine::RadioStatus before = adapter->status();
    ASSERT_GT(before.tx_bytes, 0u);
    adapter->set_traffic(0, 0);
    clock.advance(10'000);
    EXPECT_EQ(adapter->status().tx_bytes, before.tx_bytes);
    EXPECT_EQ(adapter->status().rx_bytes, before.rx_bytes);
    adapter->set_traffic(1000, 0);
    clock.advance(10'000);
    // 1000 bytes a second, within the scenario's 20 % variation.
    EXPECT_NEAR(static_cast<double>(adapter->status().tx_bytes - before.tx_bytes), 10'000.0, 2'000.0);
    EXPECT_EQ(adapter->status().rx_bytes, before.rx_bytes);
}

}  // namespace
}  // namespace adapter_test

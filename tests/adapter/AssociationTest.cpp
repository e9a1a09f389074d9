#include "AdapterFixture.h"

#include <set>

#include "machine/adapter/ScenarioParser.h"

namespace adapter_test {
namespace {

using namespace machine::oid;

struct JoinCase {
    const char* label;
    const char* ssid;
    bool wep;
    std::uint32_t mode;
    int key_index;  // -1: no key sent
    const char* key;
    const char* joined_bssid;  // nullptr: the link goes down
    std::uint8_t channel;
};

void PrintTo(const JoinCase& c, std::ostream* os) { *os << c.label; }

class Join : public AdapterTest, public ::testing::WithParamInterface<JoinCase> {};

TEST_P(Join, FollowsNamePrivacyKeysAndMode)
{
    const JoinCase& c = GetParam();
    make();
    ASSERT_TRUE(adapter->link_up());  // every case starts joined to "Open-A"
    clock.advance(3000);
    connect(c.ssid, c.wep, c.mode, c.key_index, c.key);

    const std::uint8_t link = query_bytes(kLinkState, 4)[0];
    const std::uint8_t channel = query_bytes(kChannel, 4)[0];
    if (c.joined_bssid) {
        EXPECT_EQ(link, 1);
        EXPECT_EQ(bssid_text(), c.joined_bssid);
        EXPECT_EQ(ssid_text(), c.ssid);
        EXPECT_EQ(channel, c.channel);
        EXPECT_LT(static_cast<std::int32_t>(query_u32(kRssi)), -10);
    } else {
        EXPECT_EQ(link, 0);
        EXPECT_EQ(bssid_text(), "00:00:00:00:00:00");
        EXPECT_EQ(ssid_text(), "");
        EXPECT_EQ(channel, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Join,
    ::testing::Values(
        JoinCase{"OpenWithWepOff", "Open-A", false, 1, -1, "", "02:00:00:00:00:01", 1},
        JoinCase{"OpenRefusesWepOn", "Open-A", true, 1, -1, "", nullptr, 0},
        JoinCase{"Wep40RightTransmitKey", "Wep40", true, 1, 1, "abcde", "02:00:00:00:00:02", 6},
        JoinCase{"Wep40WrongKey", "Wep40", true, 1, 1, "abcdf", nullptr, 0},
        JoinCase{"Wep40NetworksOtherKeyIsNotItsTransmitKey", "Wep40", true, 1, 0, "\x01\x02\x03\x04\x05", nullptr, 0},
        JoinCase{"Wep40WithWepOff", "Wep40", false, 1, -1, "", nullptr, 0},
        JoinCase{"Wep104RightKey", "Wep104", true, 1, 0, "thirteenchars", "02:00:00:00:00:03", 11},
        JoinCase{"AutomaticKeysNeedOnlyWepOn", "Auto", true, 1, -1, "", "02:00:00:00:00:04", 13},
        JoinCase{"AutomaticKeysWithWepOff", "Auto", false, 1, -1, "", nullptr, 0},
        JoinCase{"HiddenByItsName", "Hidden", false, 1, -1, "", "02:00:00:00:00:05", 14},
        JoinCase{"AdHocRefusesInfrastructureMode", "Peer", false, 1, -1, "", nullptr, 0},
        JoinCase{"AdHocInAdHocMode", "Peer", false, 0, -1, "", "02:00:00:00:00:07", 4},
        JoinCase{"AutomaticModeTakesEither", "Peer", false, 2, -1, "", "02:00:00:00:00:07", 4},
        JoinCase{"OutOfRange", "Far", false, 1, -1, "", nullptr, 0},
        JoinCase{"UnknownName", "Nowhere", false, 1, -1, "", nullptr, 0},
        JoinCase{"NameIsCaseSensitive", "open-a", false, 1, -1, "", nullptr, 0}),
    [](const auto& row) { return std::string(row.param.label); });

class LinkOverTime : public AdapterTest {};

TEST_F(LinkOverTime, NetworkSwitchedOffOrOutOfRangeDropsTheLinkAndItRejoinsOnReturn)
{
    auto world = small_world();
    world["events"] = R"([
      {"at_ms": 10000, "switch_off": ["02:00:00:00:00:01"]},
      {"at_ms": 20000, "switch_on": ["02:00:00:00:00:01"]},
      {"at_ms": 30000, "signal_dbm": {"02:00:00:00:00:01": -95}}
    ])"_json;
    make(world);
    clock.advance(9999);
    EXPECT_TRUE(adapter->link_up());
    clock.advance(1);
    EXPECT_FALSE(adapter->link_up());
    EXPECT_EQ(bssid_text(), "00:00:00:00:00:00");
    clock.advance(10000);
    EXPECT_TRUE(adapter->link_up());
    clock.advance(10000);
    EXPECT_FALSE(adapter->link_up());
}

TEST_F(LinkOverTime, SignalFollowsAStationMove)
{
    auto world = small_world();
    world["events"] = R"([{"at_ms": 15000, "signal_dbm": {"02:00:00:00:00:01": -67, "02:00:00:00:00:02": -45}}])"_json;
    make(world);
    EXPECT_EQ(static_cast<std::int32_t>(query_u32(kRssi)), -50);
    clock.advance(15000);
    EXPECT_EQ(static_cast<std::int32_t>(query_u32(kRssi)), -67);
    EXPECT_TRUE(set_u32(kBssidListScan, 0));
    clock.advance(2000);
    const auto list = scan_list();
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list[1].rssi, -45);
}

TEST_F(LinkOverTime, SignalNoiseStaysSmallAndRepeatsForTheSameSeed)
{
    auto world = small_world();
    world["noise_dbm"] = 3;
    make(world);
    machine::VirtualClock other_clock;
    machine::SimulatedAdapter twin(machine::parse_wireless_scenario(world), other_clock);

    std::set<std::int32_t> seen;
    for (int second = 0; second < 60; ++second) {
        const auto rssi = static_cast<std::int32_t>(query_u32(kRssi));
        std::vector<std::uint8_t> data(4);
        twin.query(kRssi, data);
        EXPECT_EQ(static_cast<std::int32_t>(data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24), rssi);
        EXPECT_GE(rssi, -53);
        EXPECT_LE(rssi, -47);
        seen.insert(rssi);
        clock.advance(1000);
        other_clock.advance(1000);
    }
    EXPECT_GT(seen.size(), 1u);
}

}  // namespace
}  // namespace adapter_test

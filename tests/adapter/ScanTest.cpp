#include "AdapterFixture.h"

namespace adapter_test {
namespace {

using machine::oid::kBssidList;
using machine::oid::kBssidListScan;

class Scan : public AdapterTest {};

TEST_F(Scan, TakesItsTimeThenListsTheNetworksInRange)
{
    make();
    EXPECT_TRUE(scan_list().empty());
    clock.advance(1999);
    EXPECT_TRUE(scan_list().empty());
    clock.advance(1);
    const auto list = scan_list();

    ASSERT_EQ(list.size(), 8u);  // seven in range ("Far" is not), "Twice" reported twice
    EXPECT_EQ(list[0].entry_length, 104u);
    EXPECT_EQ(list[0].ssid, "Open-A");
    EXPECT_EQ(list[0].bssid, "02:00:00:00:00:01");
    EXPECT_EQ(list[0].frequency_khz, 2412000u);
    EXPECT_EQ(list[0].rssi, -50);
    EXPECT_EQ(list[0].privacy, 0u);
    EXPECT_EQ(list[0].mode, 1u);
    EXPECT_EQ(list[1].privacy, 1u);
    EXPECT_EQ(list[3].frequency_khz, 2472000u);  // channel 13

    EXPECT_EQ(list[4].bssid, "02:00:00:00:00:05");
    EXPECT_EQ(list[4].ssid, "");  // hidden: listed without its name
    EXPECT_EQ(list[4].frequency_khz, 2484000u);
    EXPECT_EQ(list[6].mode, 0u);  // ad hoc
    int twice = 0;
    for (const auto& n : list) {
        EXPECT_NE(n.ssid, "Far");
        if (n.bssid == "02:00:00:00:00:06") {
            EXPECT_EQ(n.ssid, "Twice");
            ++twice;
        }
    }
    EXPECT_EQ(twice, 2);
}

TEST_F(Scan, ListShowsWhatTheLastCompletedScanSaw)
{
    auto world = small_world();
    world["events"] = R"([{"at_ms": 5000, "switch_off": ["02:00:00:00:00:07"]}])"_json;
    make(world);
    clock.advance(5000);
    EXPECT_EQ(scan_list().size(), 8u);  // the start-up scan, from before the switch-off

    EXPECT_TRUE(set_u32(kBssidListScan, 0));
    clock.advance(1500);
    EXPECT_TRUE(set_u32(kBssidListScan, 0));  // joins the running scan, does not restart it
    clock.advance(499);
    EXPECT_EQ(scan_list().size(), 8u);
    clock.advance(1);
    EXPECT_EQ(scan_list().size(), 7u);
}

TEST_F(Scan, ListKeepsWithinTheCallersLengthAndTwentyEightEntries)
{
    auto world = small_world();
    world["networks"] = nlohmann::json::array();
    for (int i = 0; i < 30; ++i) {
        char bssid[18];
        std::snprintf(bssid, sizeof bssid, "02:00:00:00:01:%02X", i);
        world["networks"].push_back({{"bssid", bssid}, {"ssid", "Net" + std::to_string(i)}, {"channel", 1 + i % 14},
                                     {"signal_dbm", -40 - i}});
    }
    make(world);
    clock.advance(2000);

    struct Row {
        std::size_t length;
        std::uint32_t count;
    };
    for (const Row row : {Row{3000, 28}, Row{4 + 3 * 104 + 50, 3}, Row{4 + 104, 1}, Row{4, 0}}) {
        std::vector<std::uint8_t> buffer(3100, 0xEE);
        std::span<std::uint8_t> data(buffer.data(), row.length);
        std::fill(data.begin(), data.end(), 0);
        ASSERT_TRUE(adapter->query(kBssidList, data)) << row.length;
        EXPECT_EQ(data[0], row.count) << row.length;
        for (std::size_t i = row.length; i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], 0xEE) << "written past " << row.length << " at " << i;
    }
    std::uint8_t tiny[3] = {};
    EXPECT_FALSE(adapter->query(kBssidList, tiny));
}

}  // namespace
}  // namespace adapter_test

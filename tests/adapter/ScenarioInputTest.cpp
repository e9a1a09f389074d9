#include "AdapterFixture.h"

#include <functional>
#include <set>

#include "machine/adapter/ScenarioError.h"
#include "machine/adapter/ScenarioParser.h"
#include "machine/adapter/SimulatedAdapterFactory.h"

namespace adapter_test {
namespace {

struct BadInput {
    const char* label;
    std::function<void(nlohmann::json&)> spoil;
    const char* message_start;
};

TEST(ScenarioInput, BadFieldsAreNamedByTheirPath)
{
    const BadInput rows[] = {
        {"channel out of range", [](auto& w) { w["networks"][1]["channel"] = 15; },
         "wireless.networks[1].channel: expected an integer from 1 to 14"},
        {"channel 0", [](auto& w) { w["networks"][0]["channel"] = 0; },
         "wireless.networks[0].channel: expected an integer from 1 to 14"},
        {"network name of 33 bytes", [](auto& w) { w["networks"][2]["ssid"] = std::string(33, 'n'); },
         "wireless.networks[2].ssid: a network name has at most 32 characters"},
        {"hex key of 12 digits", [](auto& w) { w["networks"][1]["wep"]["keys"][0]["hex"] = "1A2B3C4D5E6F"; },
         "wireless.networks[1].wep.keys[0].hex: a hex key has 10 or 26 digits"},
        {"key index 4", [](auto& w) { w["networks"][1]["wep"]["keys"][0]["index"] = 4; },
         "wireless.networks[1].wep.keys[0].index:"},
        {"channel not a number", [](auto& w) { w["networks"][0]["channel"] = "6"; }, "wireless.networks[0].channel:"},
        {"unknown mode", [](auto& w) { w["station"]["mode"] = "bridge"; }, "wireless.station.mode: expected one of"},
        {"misspelt field", [](auto& w) { w["scan_time"] = 3000; }, "wireless.scan_time: unknown field"},
        {"missing bssid", [](auto& w) { w["networks"][2].erase("bssid"); }, "wireless.networks[2]: missing field"},
        {"bad bssid", [](auto& w) { w["networks"][0]["bssid"] = "02:00"; }, "wireless.networks[0].bssid:"},
        {"repeated bssid", [](auto& w) { w["networks"][3]["bssid"] = "02:00:00:00:00:01"; },
         "wireless.networks[3].bssid: this BSSID is already used"},
        {"WEP without keys", [](auto& w) { w["networks"][1]["wep"] = nlohmann::json::object(); },
         "wireless.networks[1].wep:"},
        {"bad hex key", [](auto& w) { w["networks"][1]["wep"]["keys"][0]["hex"] = "01020304zz"; },
         "wireless.networks[1].wep.keys[0].hex:"},
        {"key of 6 characters", [](auto& w) { w["networks"][1]["wep"]["keys"][1]["text"] = "abcdef"; },
         "wireless.networks[1].wep.keys[1].text:"},
        {"name too long", [](auto& w) { w["station"]["ssid"] = std::string(33, 'x'); }, "wireless.station.ssid:"},
        {"event for an unknown network",
         [](auto& w) { w["events"] = R"([{"at_ms": 1, "switch_off": ["02:00:00:00:09:09"]}])"_json; },
         "wireless.events[0].switch_off[0]: no network has this BSSID"},
        {"signal map with a bad level",
         [](auto& w) { w["events"] = R"([{"at_ms": 1, "signal_dbm": {"02:00:00:00:00:01": "weak"}}])"_json; },
         "wireless.events[0].signal_dbm.02:00:00:00:00:01:"},
        {"networks not an array", [](auto& w) { w["networks"] = 3; }, "wireless.networks: expected an array"},
        {"not an object", [](auto& w) { w = nlohmann::json::array(); }, "wireless: expected an object"},
    };
    for (const auto& row : rows) {
        nlohmann::json world = small_world();
        row.spoil(world);
        machine::VirtualClock clock;
        try {
            machine::make_simulated_adapter(world, clock);
            ADD_FAILURE() << row.label << ": accepted";
        } catch (const machine::ScenarioError& error) {
            EXPECT_EQ(std::string(error.what()).rfind(row.message_start, 0), 0u)
                << row.label << ": " << error.what();
        }
    }
}

TEST(ScenarioInput, AnEmptyObjectIsAQuietWorld)
{
    machine::VirtualClock clock;
    machine::SimulatedAdapter adapter(machine::parse_wireless_scenario(nlohmann::json::object()), clock);
    clock.advance(5000);
    EXPECT_FALSE(adapter.link_up());
    std::vector<std::uint8_t> list(3000, 0);
    ASSERT_TRUE(adapter.query(machine::oid::kBssidList, list));
    EXPECT_EQ(list[0], 0);
}

class DefaultWorld : public AdapterTest {};

TEST_F(DefaultWorld, OffersAMixAndStartsJoinedToAnOpenNetwork)
{
    make(machine::default_wireless_scenario());
    EXPECT_TRUE(adapter->link_up());
    EXPECT_EQ(query_u32(machine::oid::kWepStatus), machine::oid::kWepDisabled);
    clock.advance(2000);
    const auto list = scan_list();

    std::set<std::string> bssids;
    std::set<std::uint32_t> channels;
    int hidden = 0, ad_hoc = 0, wep = 0;
    for (const auto& n : list) {
        bssids.insert(n.bssid);
        channels.insert(n.frequency_khz);
        hidden += n.ssid.empty();
        ad_hoc += n.mode == 0;
        wep += n.privacy != 0;
    }
    EXPECT_GE(bssids.size(), 6u);
    EXPECT_EQ(list.size(), bssids.size() + 1);  // one access point reported twice
    EXPECT_GE(channels.size(), 3u);
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(ad_hoc, 1);
    EXPECT_GE(wep, 2);

    const auto scenario = machine::parse_wireless_scenario(machine::default_wireless_scenario());
    std::set<std::size_t> key_sizes;
    for (const auto& network : scenario.networks)
        key_sizes.insert(network.transmit_key_material().size());
    EXPECT_TRUE(key_sizes.count(5) && key_sizes.count(13));
}

}  // namespace
}  // namespace adapter_test

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "machine/Scenario.h"

using machine::parse_scenario;

TEST(Scenario, DefaultSurvivesWritingAndReadingBack)
{
    machine::Scenario original = machine::default_scenario();
    original.wireless["scan_time_ms"] = 2500;
    original.faults.failing_oids = {0x0D010102};
    original.faults.registry_read_only = true;
    original.faults.shell_error = 31;
    auto loaded = parse_scenario(machine::scenario_to_json(original).dump());
    ASSERT_TRUE(loaded.scenario) << loaded.error;
    EXPECT_EQ(*loaded.scenario, original);
    EXPECT_EQ(loaded.scenario->wireless, original.wireless);
}

TEST(Scenario, DefaultDescribesAnXpMachineWithTheWirelessAdapterSecond)
{
    machine::Scenario s = machine::default_scenario();
    EXPECT_EQ(s.os, "xp");
    ASSERT_EQ(s.ip_adapters.size(), 2u);
    EXPECT_FALSE(s.ip_adapters[0].wireless);
    EXPECT_NE(s.ip_adapters[1].description.find("KX710"), std::string::npos);
    EXPECT_EQ(s.class_devices[1].service.rfind("QTND", 0), 0u);
    EXPECT_EQ(s.class_devices[1].driver_key, "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0001");
    EXPECT_EQ(s.network.dns_servers.size(), 2u);
    EXPECT_FALSE(s.ip_adapters[1].gateways.empty());
}

TEST(Scenario, OmittedFieldsKeepTheBuiltInValues)
{
    auto loaded = parse_scenario(R"({"os": "98", "faults": {"device_open_leaves_183": true}})");
    ASSERT_TRUE(loaded.scenario) << loaded.error;
    EXPECT_EQ(loaded.scenario->os, "98");
    EXPECT_TRUE(loaded.scenario->faults.device_open_leaves_183);
    EXPECT_EQ(loaded.scenario->ip_adapters, machine::default_scenario().ip_adapters);
}

TEST(Scenario, BadInputNamesTheField)
{
    struct Row {
        const char* json;
        const char* error;
    };
    const Row rows[] = {
        {R"({"ip_adapters": [{"name": "a"}, {"name": 5}]})", "ip_adapters[1].name: expected a string"},
        {R"({"os": "vista"})", "os: unknown system"},
        {R"({"protocol_driver": {"service_start_pending_ms": -1}})", "protocol_driver.service_start_pending_ms: number out of range"},
        {R"({"default_language": 70000})", "default_language: number out of range"},
        {R"({"faults": {"open_fails": true}})", "faults.open_fails: unknown field"},
        {R"({"class_devices": [{"present": "yes"}]})", "class_devices[0].present: expected true or false"},
        {R"({"ip_adapters": [{"addresses": [{"mask": 24}]}]})", "ip_adapters[0].addresses[0].mask: expected a string"},
        {R"({"wireless": []})", "wireless: expected an object"},
        {R"({"wireless": {"networks": [{"bssid": "02:00:00:00:00:01", "ssid": "a", "channel": 0, "signal_dbm": -50}]}})",
         "scenario field wireless.networks[0].channel: expected an integer from 1 to 14"},
        {R"([1, 2])", "expected an object"},
        {R"({"os": )", "not valid JSON"},
    };
    for (const Row& row : rows) {
        auto loaded = parse_scenario(row.json);
        EXPECT_FALSE(loaded.scenario) << row.json;
        EXPECT_NE(loaded.error.find(row.error), std::string::npos) << row.json << " gave: " << loaded.error;
    }
}

TEST(Scenario, FileErrorsNameTheFile)
{
    auto missing = machine::load_scenario_file("/nonexistent/zephra.json");
    EXPECT_FALSE(missing.scenario);
    EXPECT_NE(missing.error.find("/nonexistent/zephra.json"), std::string::npos);

    std::string path = testing::TempDir() + "zephra-bad-scenario.json";
    std::ofstream(path) << R"({"network": {"dns_servers": [1]}})";
    auto bad = machine::load_scenario_file(path);
    EXPECT_FALSE(bad.scenario);
    EXPECT_NE(bad.error.find("network.dns_servers[0]"), std::string::npos) << bad.error;
    std::remove(path.c_str());
}

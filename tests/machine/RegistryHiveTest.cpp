#include <gtest/gtest.h>

#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/registry/InitialRegistry.h"

namespace {

using machine::RegistryRoot;

constexpr const char* kNtClass = "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";

std::string Text(const machine::RegistryData& data)
{
    return std::string(data.bytes.begin(), data.bytes.end());
}

}  // namespace

TEST(InitialRegistry, DriverKeysPerClassDeviceAndTheScenariosOwnKeys)
{
    machine::Scenario s = machine::default_scenario();
    s.class_devices[0].driver_parameters = {{"Duplex", "full"}};
    s.registry["HKLM\\Software\\Norvel\\KX710\\Profiles\\Lakeside"] = {
        {"ESSID", "Lakeside"}, {"WepAuto", 1}, {"Blob", {{"binary", "00ff10"}}}};
    machine::VirtualClock clock;
    machine::Machine m(s, clock);
    machine::MachineRegistry& r = m.registry();

    const std::string ethernet = std::string(kNtClass) + "\\0000";
    const std::string wireless = std::string(kNtClass) + "\\0001";
    EXPECT_EQ(Text(r.query_value(RegistryRoot::LocalMachine, ethernet, "DriverDesc")),
              std::string("Fast Ethernet Controller") + '\0');
    EXPECT_EQ(Text(r.query_value(RegistryRoot::LocalMachine, ethernet, "duplex")), std::string("full") + '\0');
    EXPECT_EQ(Text(r.query_value(RegistryRoot::LocalMachine, wireless, "DriverDesc")),
              std::string("Norvel WLAN 802.11B KX710") + '\0');
    EXPECT_EQ(r.key_info(RegistryRoot::LocalMachine, kNtClass).sub_keys, 2u);

    const std::string profile = "SOFTWARE\\norvel\\kx710\\PROFILES\\lakeside";
    machine::RegistryData auto_keys = r.query_value(RegistryRoot::LocalMachine, profile, "WepAuto");
    EXPECT_EQ(auto_keys.type, machine::kRegDword);
    EXPECT_EQ(auto_keys.bytes, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    machine::RegistryData blob = r.query_value(RegistryRoot::LocalMachine, profile, "Blob");
    EXPECT_EQ(blob.type, machine::kRegBinary);
    EXPECT_EQ(blob.bytes, (std::vector<std::uint8_t>{0, 0xFF, 0x10}));
    EXPECT_EQ(r.sub_key_name(RegistryRoot::LocalMachine, "Software\\Norvel\\KX710\\Profiles", 0).name, "Lakeside");
    // The built-in association stays beside the scenario's keys.
    EXPECT_EQ(Text(r.query_value(RegistryRoot::ClassesRoot, ".htm", "")), std::string("htmlfile") + '\0');
    // The driver reads its key as texts.
    EXPECT_EQ(m.wireless_driver_parameters().at("TransmitRate"), "15");
}

TEST(InitialRegistry, OnWindows98TheDriverKeysLieUnderTheNetClass)
{
    machine::Scenario s = machine::default_scenario();
    s.os = "98";
    machine::RegistryHive hive = machine::initial_registry(s);
    EXPECT_NE(hive.find(RegistryRoot::LocalMachine, "System\\CurrentControlSet\\Services\\Class\\Net\\0001"), nullptr);
    EXPECT_EQ(hive.find(RegistryRoot::LocalMachine, kNtClass), nullptr);
}

TEST(InitialRegistry, ScenarioKeysMergeOverTheBuiltInOnesAndBadOnesAreNamed)
{
    auto loaded = machine::parse_scenario(R"({"registry": {"HKEY_CLASSES_ROOT\\.htm": null,
        "HKEY_CURRENT_USER\\Software\\Test": {"Name": "x"}}, "limited_user": true})");
    ASSERT_TRUE(loaded.scenario) << loaded.error;
    EXPECT_FALSE(loaded.scenario->registry.contains("HKEY_CLASSES_ROOT\\.htm"));
    EXPECT_TRUE(loaded.scenario->registry.contains("HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command"));
    EXPECT_TRUE(loaded.scenario->limited_user);

    struct Row {
        const char* json;
        const char* error;
    };
    const Row rows[] = {
        {R"({"registry": []})", "registry: expected an object"},
        {R"({"registry": {"Software\\X": {}}})", "registry.Software\\X: the key path begins with no root"},
        {R"({"registry": {"HKLM\\A\\\\B": {}}})", "registry.HKLM\\A\\\\B: empty key name"},
        {R"({"registry": {"HKLM\\A": {"V": -1}}})", "registry.HKLM\\A.V: expected a string"},
        {R"({"registry": {"HKLM\\A": {"V": 4294967296}}})", "registry.HKLM\\A.V: number out of range"},
        {R"({"registry": {"HKLM\\A": {"V": {"binary": "0g"}}}})", "registry.HKLM\\A.V: binary: expected pairs"},
        {R"({"class_devices": [{"driver_parameters": {"ESSID": 5}}]})",
         "class_devices[0].driver_parameters.ESSID: expected a string"},
        {R"({"limited_user": 1})", "limited_user: expected true or false"},
    };
    for (const Row& row : rows) {
        auto bad = machine::parse_scenario(row.json);
        EXPECT_FALSE(bad.scenario) << row.json;
        EXPECT_NE(bad.error.find(row.error), std::string::npos) << row.json << " gave: " << bad.error;
    }
}

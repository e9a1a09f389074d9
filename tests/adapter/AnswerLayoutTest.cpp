#include "AdapterFixture.h"

#include <functional>

namespace adapter_test {
namespace {

using namespace machine::oid;

class Answers : public AdapterTest {};

TEST_F(Answers, StationAddressAndVersionFields)
{
    make();
    EXPECT_EQ(mac_text(query_bytes(kPermanentAddress, 6).data()), "02:AA:BB:CC:DD:EE");
    struct Row {
        std::uint32_t oid;
        std::vector<std::uint8_t> bytes;
    };
    const Row rows[] = {
        {kFirmwareVersion, {1, 0, 8, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
        {kDriverVersion, {2, 1, 10, 0, 3, 0, 0, 0, 0, 0, 0, 0}},  // 258 = 0x0102
        {kEepromVersion, std::vector<std::uint8_t>(12, 0)},
    };
    for (const auto& row : rows)
        EXPECT_EQ(query_bytes(row.oid, 12), row.bytes) << std::hex << row.oid;
}

TEST_F(Answers, UnknownIdentifiersAndShortDataAreRefused)
{
    make();
    struct Row {
        std::uint32_t oid;
        std::size_t size;
    };
    const Row rows[] = {{0xFFFFFF00, 4}, {kAddWep, 42}, {kBssidListScan, 4}, {kSsid, 35},
                        {kBssid, 5},     {kTrafficCounters, 23}, {kFirmwareVersion, 11}, {kLinkState, 0}};
    for (const auto& row : rows) {
        std::vector<std::uint8_t> data(row.size, 0);
        EXPECT_FALSE(adapter->query(row.oid, data)) << std::hex << row.oid << " size " << row.size;
    }
}

TEST_F(Answers, SettingsAreKeptAndReported)
{
    make();
    EXPECT_TRUE(set_u32(kAuthenticationMode, 2));
    EXPECT_TRUE(set_u32(kPowerMode, 2));
    EXPECT_TRUE(set_u32(kInfrastructureMode, 0));
    EXPECT_TRUE(set_u32(kWepStatus, kWepEnabled));
    const std::uint8_t rates[8] = {4};
    EXPECT_TRUE(adapter->set(kDesiredRates, rates));

    EXPECT_EQ(query_u32(kAuthenticationMode), 2u);
    EXPECT_EQ(query_u32(kPowerMode), 2u);
    EXPECT_EQ(query_u32(kInfrastructureMode), 0u);
    EXPECT_EQ(query_u32(kWepStatus), kWepEnabled);
    EXPECT_EQ(query_bytes(kDesiredRates, 8)[0], 4);
    EXPECT_TRUE(adapter->link_up());  // only a new name rejoins
}

TEST_F(Answers, MalformedSetsAreRefusedAndChangeNothing)
{
    make();
    std::uint8_t long_name[36] = {33};
    std::uint8_t rates_zero[8] = {0};
    std::uint8_t rates_high[8] = {16};
    struct Row {
        const char* label;
        std::function<bool()> set;
    };
    const Row rows[] = {
        {"mode 3", [&] { return set_u32(kInfrastructureMode, 3); }},
        {"WEP status 2", [&] { return set_u32(kWepStatus, 2); }},
        {"authentication 6", [&] { return set_u32(kAuthenticationMode, 6); }},
        {"power mode 3", [&] { return set_u32(kPowerMode, 3); }},
        {"rates 0", [&] { return adapter->set(kDesiredRates, rates_zero); }},
        {"rates 16", [&] { return adapter->set(kDesiredRates, rates_high); }},
        {"SSID length 33", [&] { return adapter->set(kSsid, long_name); }},
        {"SSID record short", [&] { return adapter->set(kSsid, std::span<const std::uint8_t>(long_name, 35)); }},
        {"key length 7", [&] { return add_key(0, true, "sevenby"); }},
        {"key index 4", [&] { return add_key(4, true, "abcde"); }},
        {"key record short", [&] { return adapter->set(kAddWep, std::span<const std::uint8_t>(long_name, 11)); }},
        {"query-only identifier", [&] { return set_u32(kRssi, 0); }},
    };
    const auto before = adapter->settings();
    for (const auto& row : rows)
        EXPECT_FALSE(row.set()) << row.label;
    const auto after = adapter->settings();
    EXPECT_EQ(after.mode, before.mode);
    EXPECT_EQ(after.wep_enabled, before.wep_enabled);
    EXPECT_EQ(after.authentication, before.authentication);
    EXPECT_EQ(after.power_mode, before.power_mode);
    EXPECT_EQ(after.rate_mask, before.rate_mask);
    EXPECT_EQ(after.keys, before.keys);
    EXPECT_EQ(after.transmit_key, before.transmit_key);
    EXPECT_EQ(adapter->associated_ssid(), "Open-A");
}

TEST_F(Answers, AThirtyTwoCharacterNameWithoutTerminatorIsTakenWhole)
{
    auto world = small_world();
    world["networks"][0]["ssid"] = std::string(32, 'N');
    make(world);
    EXPECT_TRUE(set_ssid(std::string(32, 'N')));
    EXPECT_EQ(adapter->associated_ssid(), std::string(32, 'N'));
    const auto data = query_bytes(kSsid, 36);
    EXPECT_EQ(data[0], 32);
    EXPECT_EQ(std::string(data.begin() + 4, data.end()), std::string(32, 'N'));
}

}  // namespace
}  // namespace adapter_test

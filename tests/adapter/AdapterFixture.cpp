#include "AdapterFixture.h"

#include <cstdio>
#include <cstring>

#include "machine/adapter/ScenarioParser.h"

namespace adapter_test {

namespace {
std::uint32_t read_u32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
}  // namespace

nlohmann::json small_world()
{
    return R"({
      "seed": 5, "scan_time_ms": 2000, "noise_dbm": 0, "sensitivity_dbm": -90,
      "station": {"address": "02:AA:BB:CC:DD:EE", "ssid": "Open-A", "mode": "infrastructure",
                  "versions": {"firmware": [1, 8, 1], "driver": [258, 10, 3], "eeprom": [0, 0, 0]}},
      "traffic": {"tx_bytes_per_s": 1000, "rx_bytes_per_s": 4000, "variation_percent": 20},
      "networks": [
        {"bssid": "02:00:00:00:00:01", "ssid": "Open-A", "channel": 1, "signal_dbm": -50},
        {"bssid": "02:00:00:00:00:02", "ssid": "Wep40", "channel": 6, "signal_dbm": -60,
         "wep": {"keys": [{"index": 0, "hex": "0102030405"}, {"index": 1, "text": "abcde"}], "transmit_key": 1}},
        {"bssid": "02:00:00:00:00:03", "ssid": "Wep104", "channel": 11, "signal_dbm": -65,
         "wep": {"keys": [{"index": 0, "text": "thirteenchars"}]}},
        {"bssid": "02:00:00:00:00:04", "ssid": "Auto", "channel": 13, "signal_dbm": -70,
         "wep": {"keys_automatic": true}},
        {"bssid": "02:00:00:00:00:05", "ssid": "Hidden", "hidden": true, "channel": 14, "signal_dbm": -72},
        {"bssid": "02:00:00:00:00:06", "ssid": "Twice", "channel": 3, "signal_dbm": -80, "records": 2},
        {"bssid": "02:00:00:00:00:07", "ssid": "Peer", "mode": "ad_hoc", "channel": 4, "signal_dbm": -75},
        {"bssid": "02:00:00:00:00:08", "ssid": "Far", "channel": 5, "signal_dbm": -95}
      ]
    })"_json;
}

std::string mac_text(const std::uint8_t* b)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", b[0], b[1], b[2], b[3], b[4], b[5]);
    return text;
}

void AdapterTest::make(const nlohmann::json& wireless)
{
    adapter = std::make_unique<machine::SimulatedAdapter>(machine::parse_wireless_scenario(wireless), clock);
}

std::vector<std::uint8_t> AdapterTest::query_bytes(std::uint32_t oid, std::size_t size)
{
    std::vector<std::uint8_t> data(size, 0);
    EXPECT_TRUE(adapter->query(oid, data)) << std::hex << oid;
    return data;
}

std::uint32_t AdapterTest::query_u32(std::uint32_t oid) { return read_u32(query_bytes(oid, 4).data()); }

std::vector<ListedNetwork> AdapterTest::scan_list(std::size_t data_length)
{
    const auto data = query_bytes(machine::oid::kBssidList, data_length);
    std::vector<ListedNetwork> list;
    const std::uint32_t count = read_u32(data.data());
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* e = data.data() + 4 + 104 * i;
        const char* ssid = reinterpret_cast<const char*>(e + 16);
        list.push_back({read_u32(e), mac_text(e + 4), std::string(ssid, strnlen(ssid, 32)), read_u32(e + 48),
                        static_cast<std::int32_t>(read_u32(e + 52)), read_u32(e + 72), read_u32(e + 92)});
    }
    return list;
}

std::string AdapterTest::bssid_text() { return mac_text(query_bytes(machine::oid::kBssid, 6).data()); }

std::string AdapterTest::ssid_text()
{
    const auto data = query_bytes(machine::oid::kSsid, 36);
    return std::string(reinterpret_cast<const char*>(data.data() + 4), read_u32(data.data()));
}

bool AdapterTest::set_u32(std::uint32_t oid, std::uint32_t value)
{
    const std::uint8_t data[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                  static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    return adapter->set(oid, data);
}

bool AdapterTest::set_ssid(const std::string& name)
{
    std::uint8_t data[36] = {};
    data[0] = static_cast<std::uint8_t>(name.size());
    std::memcpy(data + 4, name.data(), std::min<std::size_t>(name.size(), 32));
    return adapter->set(machine::oid::kSsid, data);
}

bool AdapterTest::add_key(std::uint32_t index, bool transmit, const std::string& material)
{
    std::uint8_t record[42] = {16};
    const std::uint32_t key_index = index | (transmit ? 0x80000000u : 0u);
    std::memcpy(record + 4, &key_index, 4);
    record[8] = static_cast<std::uint8_t>(material.size());
    std::memcpy(record + 12, material.data(), material.size());
    return adapter->set(machine::oid::kAddWep, record);
}

void AdapterTest::connect(const std::string& name, bool wep, std::uint32_t mode, int key_index,
                          const std::string& key)
{
    set_u32(machine::oid::kWepStatus, wep ? machine::oid::kWepEnabled : machine::oid::kWepDisabled);
    if (key_index >= 0)
        add_key(static_cast<std::uint32_t>(key_index), true, key);
    set_u32(machine::oid::kInfrastructureMode, mode);
    set_ssid(name);
}

}  // namespace adapter_test

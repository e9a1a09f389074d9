#pragma once
// A small radio world and helpers that speak to the adapter in raw identifiers and bytes,
// as the protocol driver does.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "machine/Clock.h"
#include "machine/adapter/Identifiers.h"
#include "machine/adapter/SimulatedAdapter.h"

namespace adapter_test {

// Eight networks, noise off, the station joined to "Open-A" at start.
nlohmann::json small_world();

struct ListedNetwork {
    std::uint32_t entry_length;
    std::string bssid;
    std::string ssid;
    std::uint32_t privacy;
    std::int32_t rssi;
    std::uint32_t frequency_khz;
    std::uint32_t mode;
};

class AdapterTest : public ::testing::Test {
protected:
    void make(const nlohmann::json& wireless);
    void make() { make(small_world()); }

    std::vector<std::uint8_t> query_bytes(std::uint32_t oid, std::size_t size);
    std::uint32_t query_u32(std::uint32_t oid);
    std::vector<ListedNetwork> scan_list(std::size_t data_length = 3000);
    std::string bssid_text();  // "00:00:00:00:00:00" when not joined
    std::string ssid_text();

    bool set_u32(std::uint32_t oid, std::uint32_t value);
    bool set_ssid(const std::string& name);
    bool add_key(std::uint32_t index, bool transmit, const std::string& material);
    // The sequence the Wireless page sends: WEP status, key (if any), mode, name last.
    void connect(const std::string& name, bool wep, std::uint32_t mode = 1, int key_index = -1,
                 const std::string& key = "");

    machine::VirtualClock clock;
    std::unique_ptr<machine::SimulatedAdapter> adapter;
};

std::string mac_text(const std::uint8_t* bytes);

}  // namespace adapter_test

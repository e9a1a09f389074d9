#pragma once
// What the station is doing right now, as the machine's control reports it.

#include <cstdint>
#include <string>

#include "machine/adapter/WirelessTypes.h"

namespace machine {

struct RadioStatus {
    bool joined = false;
    MacAddress bssid{};  // of the network joined
    std::string ssid;
    int channel = 0;
    int signal_dbm = 0;  // with noise, as the station reports it
    std::uint32_t tx_bytes = 0;
    std::uint32_t rx_bytes = 0;
};

}  // namespace machine

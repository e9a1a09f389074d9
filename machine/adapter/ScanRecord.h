#pragma once
// One network as a completed scan saw it.

#include <cstdint>
#include <string>

#include "machine/adapter/WirelessTypes.h"

namespace machine {

struct ScanRecord {
    MacAddress bssid{};
    std::string ssid;  // as broadcast: empty for a hidden network
    bool privacy = false;
    int rssi_dbm = 0;
    int channel = 1;
    InfrastructureMode mode = InfrastructureMode::Infrastructure;
};

}  // namespace machine

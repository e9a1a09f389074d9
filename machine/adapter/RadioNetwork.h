#pragma once
// One access point or ad hoc network of the radio world.

#include <string>

#include "machine/adapter/WirelessTypes.h"

namespace machine {

struct RadioNetwork {
    MacAddress bssid{};
    std::string ssid;
    bool hidden = false;  // beacons carry an empty name; joining by name still works
    int channel = 1;
    int signal_dbm = -60;  // at the station's place, before noise
    InfrastructureMode mode = InfrastructureMode::Infrastructure;
    bool privacy = false;
    WepKeySlots keys;
    int transmit_key = 0;
    bool keys_automatic = false;  // any station with WEP on gets its keys handed out
    int records = 1;              // how many records a scan reports for it
    bool on = true;

    const WepKey& transmit_key_material() const { return keys[static_cast<std::size_t>(transmit_key)]; }
};

}  // namespace machine

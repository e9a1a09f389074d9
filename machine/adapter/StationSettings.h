#pragma once
// What the station is told to do: by the scenario, by the sets it receives and by the
// driver-key parameters it reads when it starts.

#include <string>

#include "machine/adapter/WirelessTypes.h"

namespace machine {

struct StationSettings {
    std::string ssid;  // the network it should join; empty: none
    InfrastructureMode mode = InfrastructureMode::Infrastructure;
    bool wep_enabled = false;
    WepKeySlots keys;
    int transmit_key = 0;
    std::uint32_t authentication = 0;
    std::uint32_t power_mode = 0;
    std::uint8_t rate_mask = kAllRates;
    bool short_preamble = false;

    const WepKey& transmit_key_material() const { return keys[static_cast<std::size_t>(transmit_key)]; }
};

}  // namespace machine

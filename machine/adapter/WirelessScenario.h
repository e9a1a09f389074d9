#pragma once
// The scenario's "wireless" object in typed form (see README.md for its JSON).

#include <array>
#include <cstdint>
#include <vector>

#include "machine/adapter/RadioNetwork.h"
#include "machine/adapter/StationSettings.h"

namespace machine {

struct TrafficRates {
    std::uint64_t tx_bytes_per_s = 0;
    std::uint64_t rx_bytes_per_s = 0;
    int variation_percent = 0;  // each second's rate lies within +- this share
    std::uint64_t start_tx_bytes = 0;
    std::uint64_t start_rx_bytes = 0;
};

struct WorldEvent {
    enum class Kind { Signal, SwitchOff, SwitchOn };
    std::uint64_t at_ms = 0;
    Kind kind = Kind::Signal;
    std::size_t network = 0;  // index into the scenario's networks
    int signal_dbm = 0;       // for Kind::Signal
};

// The three 16-bit fields of a version answer, at byte offsets 0, 2 and 4.
using VersionFields = std::array<std::uint16_t, 3>;

struct WirelessScenario {
    std::uint64_t seed = 1;
    std::uint64_t scan_time_ms = 2000;
    int sensitivity_dbm = -90;  // weaker networks are out of range
    int noise_dbm = 2;          // the signal wanders within +- this
    MacAddress station_address{};
    VersionFields firmware_version{};
    VersionFields driver_version{};
    VersionFields eeprom_version{};
    StationSettings station;
    TrafficRates traffic;
    std::vector<RadioNetwork> networks;
    std::vector<WorldEvent> events;  // in time order
};

}  // namespace machine

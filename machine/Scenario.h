#pragma once
// Everything that describes a machine: read from a JSON scenario file, or the built-in one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "machine/Faults.h"
#include "machine/MachineTypes.h"

namespace machine {

struct ProtocolDriverConfig {
    bool installed = true;
    bool service_running_at_start = false;
    std::uint64_t service_start_pending_ms = 500;
};

struct Scenario {
    std::string os = "xp";  // "98", "me", "2000", "xp", "nt4", "nt5.2"
    std::string computer_name = "ZEPHRA-PC";  // empty: the host's own name
    std::uint16_t default_language = 0x0409;
    std::vector<ClassDevice> class_devices;
    std::vector<IpAdapter> ip_adapters;
    NetworkParams network;
    ProtocolDriverConfig protocol_driver;
    bool adapter_present = true;
    Faults faults;
    nlohmann::json wireless = nlohmann::json::object();  // read by the adapter model
    // Registry keys and values beyond the driver keys, by key path (see machine/README.md).
    nlohmann::json registry = nlohmann::json::object();
    // The user may read HKEY_LOCAL_MACHINE but not write it.
    bool limited_user = false;

    bool operator==(const Scenario&) const;
};

// The version information of a named operating system, or nothing for an unknown name.
std::optional<OsVersion> os_version_named(const std::string& name);

Scenario default_scenario();

struct ScenarioLoad {
    std::optional<Scenario> scenario;
    std::string error;  // names the offending field when `scenario` is empty
};

// Reads a scenario from JSON text. Every field is optional (the built-in value stands);
// an unknown field or a value of the wrong kind is an error, so nothing is silently lost.
ScenarioLoad parse_scenario(const std::string& text);
ScenarioLoad load_scenario_file(const std::string& path);
nlohmann::json scenario_to_json(const Scenario& scenario);

}  // namespace machine

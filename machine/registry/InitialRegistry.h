#pragma once
// What a machine's registry holds before anyone wrote to it: the network adapter class
// with a driver key per class device, and the scenario's "registry" object.

#include <string>

#include <nlohmann/json.hpp>

#include "machine/Scenario.h"
#include "machine/registry/RegistryHive.h"

namespace machine {

// The network adapter class key below HKEY_LOCAL_MACHINE, without a trailing backslash.
std::string network_class_path(bool nt_family);
// The path below HKEY_LOCAL_MACHINE of a device's driver key: the class key and the last
// name of the device's driver key ("0001"); "" for a device without a driver key.
std::string driver_key_path(const ClassDevice& device, bool nt_family);

RegistryHive initial_registry(const Scenario& scenario);

// Adds the keys and values of a scenario's "registry" object. Returns "" or what is wrong,
// beginning with the field's path.
std::string add_registry_object(RegistryHive& hive, const nlohmann::json& object);

}  // namespace machine

#pragma once
// The machine's plain data as JSON values, for the service's CBOR messages. Byte strings
// travel as CBOR byte strings; enumerations as their numbers.

#include <cstdint>
#include <vector>

#include <nlohmann/json.hpp>

#include "machine/MachineTypes.h"
#include "machine/RegistryTypes.h"

namespace machine {

NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(OsVersion, platform_id, major, minor, build, service_pack)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(OpenResult, device, error)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(ServiceQuery, error, state)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(ClassDevice, description, service, driver_key, instance_id, present, wireless,
                                   driver_desc, driver_parameters)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(IpAddressEntry, address, mask)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(IpAdapter, name, description, addresses, gateways, wireless)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(NetworkParams, host_name, domain_name, dns_servers)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(IpHelperErrors, sizing, filling)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(IpAdaptersAnswer, adapters, errors)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(NetworkParamsAnswer, params, errors)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(ShellRequest, call, verb, target, arguments)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(ShellAnswer, code, on_desktop, opener)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(RegistryKeyResult, error, created)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(RegistryKeyInfo, error, sub_keys, max_sub_key_length, values,
                                   max_value_name_length, max_value_length)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(RegistryName, error, name)

void to_json(nlohmann::json& j, const ControlResult& value);
void from_json(const nlohmann::json& j, ControlResult& value);
void to_json(nlohmann::json& j, const RegistryData& value);
void from_json(const nlohmann::json& j, RegistryData& value);

namespace service {

nlohmann::json byte_string(const std::vector<std::uint8_t>& bytes);
// Throws nlohmann::json::type_error when `j` is not a byte string.
std::vector<std::uint8_t> bytes_of(const nlohmann::json& j);

}  // namespace service

}  // namespace machine

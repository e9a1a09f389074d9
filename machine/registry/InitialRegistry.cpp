#include "machine/registry/InitialRegistry.h"

#include <charconv>
#include <limits>

namespace machine {

namespace {

using nlohmann::json;

constexpr const char* kNtClassPath = "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
constexpr const char* k9xClassPath = "System\\CurrentControlSet\\Services\\Class\\Net";

std::vector<std::uint8_t> string_bytes(const std::string& text)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::vector<std::uint8_t> dword_bytes(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

bool hex_bytes(const std::string& digits, std::vector<std::uint8_t>& bytes)
{
    if (digits.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        std::uint8_t byte = 0;
        auto [end, error] = std::from_chars(digits.data() + i, digits.data() + i + 2, byte, 16);
        if (error != std::errc() || end != digits.data() + i + 2)
            return false;
        bytes.push_back(byte);
    }
    return true;
}

// One value of the "registry" object: a string is REG_SZ, a whole number REG_DWORD and
// {"binary": "hex digits"} REG_BINARY. Returns "" or what is wrong.
std::string add_value(RegistryKey& key, const std::string& name, const json& value)
{
    if (value.is_string()) {
        key.set_value(name, kRegSz, string_bytes(value.get<std::string>()));
    } else if (value.is_number_unsigned() || (value.is_number_integer() && value.get<std::int64_t>() >= 0)) {
        auto number = value.get<std::uint64_t>();
        if (number > std::numeric_limits<std::uint32_t>::max())
            return "number out of range";
        key.set_value(name, kRegDword, dword_bytes(static_cast<std::uint32_t>(number)));
    } else if (value.is_object() && value.size() == 1 && value.contains("binary") && value["binary"].is_string()) {
        std::vector<std::uint8_t> bytes;
        if (!hex_bytes(value["binary"].get<std::string>(), bytes))
            return "binary: expected pairs of hex digits";
        key.set_value(name, kRegBinary, std::move(bytes));
    } else {
        return "expected a string, a whole number from 0 or {\"binary\": \"hex digits\"}";
    }
    return "";
}

}  // namespace

std::string network_class_path(bool nt_family)
{
    return nt_family ? kNtClassPath : k9xClassPath;
}

std::string driver_key_path(const ClassDevice& device, bool nt_family)
{
    auto slash = device.driver_key.rfind('\\');
    std::string name = slash == std::string::npos ? device.driver_key : device.driver_key.substr(slash + 1);
    return name.empty() ? std::string() : network_class_path(nt_family) + "\\" + name;
}

std::string add_registry_object(RegistryHive& hive, const json& object)
{
    if (!object.is_object())
        return "registry: expected an object";
    for (const auto& [path, values] : object.items()) {
        const std::string field = "registry." + path;
        auto slash = path.find('\\');
        auto root = registry_root_named(path.substr(0, slash));
        if (!root)
            return field + ": the key path begins with no root such as HKEY_LOCAL_MACHINE";
        RegistryKey* key = hive.create(*root, slash == std::string::npos ? "" : path.substr(slash + 1));
        if (!key)
            return field + ": empty key name in the path";
        if (!values.is_object())
            return field + ": expected an object of values";
        for (const auto& [name, value] : values.items())
            if (std::string error = add_value(*key, name, value); !error.empty())
                return field + "." + name + ": " + error;
    }
    return "";
}

RegistryHive initial_registry(const Scenario& scenario)
{
    RegistryHive hive;
    const bool nt = os_version_named(scenario.os).value_or(OsVersion{}).platform_id == 2;
    hive.create(RegistryRoot::LocalMachine, network_class_path(nt));
    for (const ClassDevice& device : scenario.class_devices) {
        const std::string path = driver_key_path(device, nt);
        RegistryKey* key = path.empty() ? nullptr : hive.create(RegistryRoot::LocalMachine, path);
        if (!key)
            continue;
        key->set_value("DriverDesc", kRegSz, string_bytes(device.driver_desc.empty() ? device.description : device.driver_desc));
        for (const auto& [name, value] : device.driver_parameters)
            key->set_value(name, kRegSz, string_bytes(value));
    }
    // The scenario was checked when it was read, so nothing here can fail.
    add_registry_object(hive, scenario.registry);
    return hive;
}

}  // namespace machine

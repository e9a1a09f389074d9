#pragma once
// The wireless adapter's driver key on the current machine, read and written through the
// platform's registry calls as another program would.

#include <map>
#include <optional>
#include <string>

#include "machine/Machine.h"
#include "machine/registry/InitialRegistry.h"
#include "platform/Registry.h"

namespace driver_key {

// `scenario` with the wireless adapter's driver key holding exactly `parameters`.
inline machine::Scenario WithParameters(machine::Scenario scenario, std::map<std::string, std::string> parameters)
{
    for (machine::ClassDevice& device : scenario.class_devices)
        if (device.wireless)
            device.driver_parameters = parameters;
    return scenario;
}

inline std::string PathOn(machine::Machine& computer)
{
    const bool nt = machine::os_version_named(computer.scenario().os)->platform_id == 2;
    for (const machine::ClassDevice& device : computer.scenario().class_devices)
        if (device.wireless)
            return machine::driver_key_path(device, nt);
    return "";
}

inline std::optional<std::string> Read(machine::Machine& computer, const char* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, PathOn(computer).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char text[256] = {};
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    const LSTATUS read = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    return std::string(text);
}

inline void Write(machine::Machine& computer, const char* name, const std::string& value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, PathOn(computer).c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

}  // namespace driver_key

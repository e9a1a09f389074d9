#include "platform/SetupApi.h"
#include "platform/OpenHandles.h"

#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "machine/MachinePort.h"
#include "platform/CurrentMachine.h"
#include "platform/Kernel.h"

namespace {

struct DeviceSet {
    GUID class_guid{};
    std::vector<machine::ClassDevice> devices;
    std::map<std::size_t, SP_PROPCHANGE_PARAMS> install_params;  // by member
};

std::map<HDEVINFO, std::unique_ptr<DeviceSet>>& sets()
{
    static std::map<HDEVINFO, std::unique_ptr<DeviceSet>> table;
    return table;
}

DeviceSet* find_set(HDEVINFO set)
{
    auto it = sets().find(set);
    if (it == sets().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return it->second.get();
}

// The member an element names, or nothing with the last error set.
std::optional<std::size_t> member_of(const DeviceSet& set, const SP_DEVINFO_DATA* data)
{
    if (!data || data->cbSize != sizeof(SP_DEVINFO_DATA)) {
        SetLastError(ERROR_INVALID_USER_BUFFER);
        return std::nullopt;
    }
    if (data->Reserved == 0 || data->Reserved > set.devices.size()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    return data->Reserved - 1;
}

struct SetMember {
    DeviceSet* set;
    std::size_t index;

    const machine::ClassDevice& device() const { return set->devices[index]; }
};

// The set and the member an element names, or nothing with the last error set.
std::optional<SetMember> find_member(HDEVINFO set, const SP_DEVINFO_DATA* data)
{
    DeviceSet* devices = find_set(set);
    if (!devices)
        return std::nullopt;
    auto member = member_of(*devices, data);
    if (!member)
        return std::nullopt;
    return SetMember{devices, *member};
}

// Copies a text with its terminator when it fits; reports the size it needs either way.
BOOL copy_text(const std::string& text, char* buffer, DWORD size, LPDWORD required)
{
    auto needed = static_cast<DWORD>(text.size() + 1);
    if (required)
        *required = needed;
    if (!buffer || size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    std::memcpy(buffer, text.c_str(), needed);
    return TRUE;
}

}  // namespace

HDEVINFO SetupDiGetClassDevsA(const GUID* classGuid, LPCSTR, HWND, DWORD flags)
{
    if (!classGuid && !(flags & DIGCF_ALLCLASSES)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    auto set = std::make_unique<DeviceSet>();
    set->class_guid = GUID_DEVCLASS_NET;
    // The machine holds network adapters only, and lists those that are present.
    if (!classGuid || *classGuid == GUID_DEVCLASS_NET)
        set->devices = platform::CurrentMachine().present_class_devices();
    HDEVINFO handle = set.get();
    sets()[handle] = std::move(set);
    return handle;
}

BOOL SetupDiEnumDeviceInfo(HDEVINFO set, DWORD memberIndex, PSP_DEVINFO_DATA data)
{
    DeviceSet* devices = find_set(set);
    if (!devices)
        return FALSE;
    if (!data || data->cbSize != sizeof(SP_DEVINFO_DATA)) {
        SetLastError(ERROR_INVALID_USER_BUFFER);
        return FALSE;
    }
    if (memberIndex >= devices->devices.size()) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    data->ClassGuid = devices->class_guid;
    data->DevInst = memberIndex + 1;
    data->Reserved = memberIndex + 1;
    return TRUE;
}

BOOL SetupDiGetDeviceRegistryPropertyA(HDEVINFO set, PSP_DEVINFO_DATA data, DWORD property, LPDWORD dataType,
                                       BYTE* buffer, DWORD bufferSize, LPDWORD requiredSize)
{
    auto member = find_member(set, data);
    if (!member)
        return FALSE;
    const machine::ClassDevice& device = member->device();
    const std::string* value = property == SPDRP_DEVICEDESC ? &device.description
                               : property == SPDRP_SERVICE  ? &device.service
                               : property == SPDRP_DRIVER   ? &device.driver_key
                                                            : nullptr;
    if (!value || value->empty()) {
        SetLastError(ERROR_INVALID_DATA);
        return FALSE;
    }
    if (dataType)
        *dataType = REG_SZ;
    return copy_text(*value, reinterpret_cast<char*>(buffer), bufferSize, requiredSize);
}

BOOL SetupDiGetDeviceInstanceIdA(HDEVINFO set, PSP_DEVINFO_DATA data, LPSTR buffer, DWORD bufferSize,
                                 LPDWORD requiredSize)
{
    auto member = find_member(set, data);
    if (!member)
        return FALSE;
    return copy_text(member->device().instance_id, buffer, bufferSize, requiredSize);
}

BOOL SetupDiDestroyDeviceInfoList(HDEVINFO set)
{
    if (!find_set(set))
        return FALSE;
    sets().erase(set);
    return TRUE;
}

BOOL SetupDiSetClassInstallParamsA(HDEVINFO set, PSP_DEVINFO_DATA data, PSP_CLASSINSTALL_HEADER params,
                                   DWORD paramsSize)
{
    auto member = find_member(set, data);
    if (!member)
        return FALSE;
    if (!params) {
        member->set->install_params.erase(member->index);
        return TRUE;
    }
    if (params->cbSize != sizeof(SP_CLASSINSTALL_HEADER)) {
        SetLastError(ERROR_INVALID_USER_BUFFER);
        return FALSE;
    }
    if (params->InstallFunction != DIF_PROPERTYCHANGE || paramsSize != sizeof(SP_PROPCHANGE_PARAMS)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    SP_PROPCHANGE_PARAMS copy;
    std::memcpy(&copy, params, sizeof copy);
    member->set->install_params[member->index] = copy;
    return TRUE;
}

BOOL SetupDiCallClassInstaller(DI_FUNCTION function, HDEVINFO set, PSP_DEVINFO_DATA data)
{
    auto member = find_member(set, data);
    if (!member)
        return FALSE;
    if (function != DIF_PROPERTYCHANGE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto params = member->set->install_params.find(member->index);
    if (params == member->set->install_params.end()) {
        SetLastError(ERROR_NO_CLASSINSTALL_PARAMS);
        return FALSE;
    }
    if (params->second.StateChange != DICS_PROPCHANGE) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    if (DWORD error = platform::CurrentMachine().restart_device(member->device().instance_id)) {
        SetLastError(error);
        return FALSE;
    }
    return TRUE;
}

std::size_t platform::OpenDeviceSetCount() { return sets().size(); }

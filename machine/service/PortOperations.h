#pragma once
// The names of the MachinePort calls on the wire, shared by the service and its clients.
// Arguments travel as an array in the order of the call's parameters.

namespace machine::service::port_op {

inline constexpr const char* kOsVersion = "os_version";
inline constexpr const char* kComputerName = "computer_name";
inline constexpr const char* kDefaultLanguage = "default_language";
inline constexpr const char* kPermitAllocation = "permit_allocation";
inline constexpr const char* kOpenDevice = "open_device";
inline constexpr const char* kCloseDevice = "close_device";
inline constexpr const char* kDeviceControl = "device_control";
inline constexpr const char* kOpenService = "open_service";
inline constexpr const char* kStartService = "start_service";
inline constexpr const char* kQueryService = "query_service";
inline constexpr const char* kStopService = "stop_service";
inline constexpr const char* kPresentClassDevices = "present_class_devices";
inline constexpr const char* kRestartDevice = "restart_device";
inline constexpr const char* kIpAdapters = "ip_adapters";
inline constexpr const char* kNetworkParams = "network_params";
inline constexpr const char* kWindowsDirectory = "windows_directory";
inline constexpr const char* kHostPath = "host_path";
inline constexpr const char* kShell = "shell";
inline constexpr const char* kMessageBeep = "message_beep";
inline constexpr const char* kRegistryOpenKey = "registry_open_key";
inline constexpr const char* kRegistryCreateKey = "registry_create_key";
inline constexpr const char* kRegistryKeyInfo = "registry_key_info";
inline constexpr const char* kRegistrySubKeyName = "registry_sub_key_name";
inline constexpr const char* kRegistryQueryValue = "registry_query_value";
inline constexpr const char* kRegistrySetValue = "registry_set_value";
inline constexpr const char* kRegistryChangedKeyClosed = "registry_changed_key_closed";

}  // namespace machine::service::port_op

#include "machine/service/PortServer.h"

#include <map>
#include <stdexcept>
#include <string_view>

#include "machine/service/PortCodec.h"
#include "machine/service/PortOperations.h"

namespace machine::service {

namespace {

using nlohmann::json;
using Handler = json (*)(MachinePort&, const json&);

// The root is an index into the hive's roots: anything else is refused before it reaches them.
RegistryRoot root_of(const json& value)
{
    const auto root = value.get<std::uint32_t>();
    if (root >= kRegistryRootCount)
        throw std::invalid_argument("no registry root " + std::to_string(root));
    return static_cast<RegistryRoot>(root);
}

std::string text(const json& value) { return value.get<std::string>(); }
std::uint32_t number(const json& value) { return value.get<std::uint32_t>(); }

json device_control(MachinePort& m, const json& a)
{
    const std::vector<std::uint8_t> memory = bytes_of(a.at(2));
    const std::uint32_t input_size = number(a.at(3));
    const std::uint32_t output_size = number(a.at(4));
    // The driver reads `input_size` bytes of the caller's memory and writes up to `output_size`.
    if (input_size > memory.size())
        throw std::invalid_argument("the input size exceeds the memory sent");
    if (output_size > kMaxDeviceOutputBytes)
        throw std::invalid_argument("the output size exceeds " + std::to_string(kMaxDeviceOutputBytes) + " bytes");
    return m.device_control(number(a.at(0)), number(a.at(1)), memory, input_size, output_size);
}

const std::map<std::string_view, Handler>& handlers()
{
    namespace op = port_op;
    static const std::map<std::string_view, Handler> table = {
        {op::kOsVersion, [](MachinePort& m, const json&) -> json { return m.os_version(); }},
        {op::kComputerName, [](MachinePort& m, const json&) -> json { return m.computer_name(); }},
        {op::kDefaultLanguage, [](MachinePort& m, const json&) -> json { return m.default_language(); }},
        {op::kPermitAllocation, [](MachinePort& m, const json&) -> json { return m.permit_allocation(); }},
        {op::kOpenDevice, [](MachinePort& m, const json& a) -> json { return m.open_device(text(a.at(0))); }},
        {op::kCloseDevice, [](MachinePort& m, const json& a) -> json { return m.close_device(number(a.at(0))); }},
        {op::kDeviceControl, device_control},
        {op::kOpenService, [](MachinePort& m, const json& a) -> json { return m.open_service(text(a.at(0))); }},
        {op::kStartService, [](MachinePort& m, const json& a) -> json { return m.start_service(text(a.at(0))); }},
        {op::kQueryService, [](MachinePort& m, const json& a) -> json { return m.query_service(text(a.at(0))); }},
        {op::kStopService, [](MachinePort& m, const json& a) -> json { return m.stop_service(text(a.at(0))); }},
        {op::kPresentClassDevices, [](MachinePort& m, const json&) -> json { return m.present_class_devices(); }},
        {op::kRestartDevice, [](MachinePort& m, const json& a) -> json { return m.restart_device(text(a.at(0))); }},
        {op::kIpAdapters, [](MachinePort& m, const json&) -> json { return m.ip_adapters(); }},
        {op::kNetworkParams, [](MachinePort& m, const json&) -> json { return m.network_params(); }},
        {op::kWindowsDirectory, [](MachinePort& m, const json&) -> json { return m.windows_directory(); }},
        {op::kHostPath, [](MachinePort& m, const json& a) -> json { return m.host_path(text(a.at(0))); }},
        {op::kShell, [](MachinePort& m, const json& a) -> json { return m.shell(a.at(0).get<ShellRequest>()); }},
        {op::kMessageBeep,
         [](MachinePort& m, const json& a) -> json {
             m.message_beep(number(a.at(0)));
             return nullptr;
         }},
        {op::kRegistryOpenKey,
         [](MachinePort& m, const json& a) -> json {
             return m.registry_open_key(root_of(a.at(0)), text(a.at(1)), a.at(2).get<bool>());
         }},
        {op::kRegistryCreateKey,
         [](MachinePort& m, const json& a) -> json {
             return m.registry_create_key(root_of(a.at(0)), text(a.at(1)), a.at(2).get<bool>());
         }},
        {op::kRegistryKeyInfo,
         [](MachinePort& m, const json& a) -> json { return m.registry_key_info(root_of(a.at(0)), text(a.at(1))); }},
        {op::kRegistrySubKeyName,
         [](MachinePort& m, const json& a) -> json {
             return m.registry_sub_key_name(root_of(a.at(0)), text(a.at(1)), number(a.at(2)));
         }},
        {op::kRegistryQueryValue,
         [](MachinePort& m, const json& a) -> json {
             return m.registry_query_value(root_of(a.at(0)), text(a.at(1)), text(a.at(2)));
         }},
        {op::kRegistrySetValue,
         [](MachinePort& m, const json& a) -> json {
             return m.registry_set_value(root_of(a.at(0)), text(a.at(1)), text(a.at(2)), number(a.at(3)),
                                         bytes_of(a.at(4)));
         }},
        {op::kRegistryChangedKeyClosed,
         [](MachinePort& m, const json&) -> json {
             m.registry_changed_key_closed();
             return nullptr;
         }},
    };
    return table;
}

}  // namespace

std::optional<nlohmann::json> serve_port_call(MachinePort& port, const std::string& operation,
                                              const nlohmann::json& arguments)
{
    const auto it = handlers().find(operation);
    if (it == handlers().end())
        return std::nullopt;
    return it->second(port, arguments);
}

}  // namespace machine::service

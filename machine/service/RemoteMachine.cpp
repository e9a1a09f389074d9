#include "machine/service/RemoteMachine.h"

#include <utility>

#include "machine/ErrorCodes.h"
#include "machine/service/PortCodec.h"
#include "machine/service/PortOperations.h"
#include "machine/service/Wire.h"

namespace machine::service {

namespace {

namespace op = port_op;
using nlohmann::json;

// A gone service is looked for again at most this often, so that a program polling its
// adapter does not knock on an empty socket with every call.
constexpr std::chrono::milliseconds kReconnectInterval{200};

std::uint32_t root_number(RegistryRoot root) { return static_cast<std::uint32_t>(root); }

}  // namespace

RemoteMachine::RemoteMachine(std::filesystem::path socket, int timeout_ms)
    : m_socket(std::move(socket)), m_timeout_ms(timeout_ms)
{
}

bool RemoteMachine::connect()
{
    if (m_connection.is_open())
        return true;
    const bool opened = m_connection.open(m_socket) && agree_on_version();
    m_next_attempt = opened ? std::chrono::steady_clock::time_point{} : std::chrono::steady_clock::now() + kReconnectInterval;
    return opened;
}

bool RemoteMachine::agree_on_version()
{
    const std::optional<json> reply = m_connection.exchange(request(kHelloOperation), m_timeout_ms);
    if (!reply)
        return false;
    const auto version = reply->find("v");
    if (version != reply->end() && *version == kProtocolVersion) {
        m_other_version.reset();
        return true;
    }
    m_other_version = version != reply->end() && version->is_number_unsigned() ? version->get<std::uint32_t>() : 0;
    m_connection.close();
    return false;
}

std::optional<json> RemoteMachine::call(const char* operation, json arguments, std::string* refusal)
{
    if (!m_connection.is_open() && (std::chrono::steady_clock::now() < m_next_attempt || !connect()))
        return std::nullopt;
    std::optional<json> reply = m_connection.exchange(request(operation, std::move(arguments)), m_timeout_ms);
    if (!reply)
        return std::nullopt;
    if (const auto result = reply->find("r"); result != reply->end())
        return std::move(*result);
    if (const auto reason = reply->find("e"); refusal != nullptr && reason != reply->end() && reason->is_string())
        *refusal = reason->get<std::string>();
    return std::nullopt;
}

template <class T>
T RemoteMachine::ask(const char* operation, json arguments, T failure)
{
    const std::optional<json> result = call(operation, std::move(arguments));
    if (!result)
        return failure;
    try {
        return result->get<T>();
    } catch (const json::exception&) {
        return failure;
    }
}

template <class T>
T RemoteMachine::ask_kept(const char* operation, std::optional<T>& kept, T failure)
{
    if (!kept) {
        const std::optional<json> result = call(operation, json::array());
        try {
            if (result)
                kept = result->get<T>();
        } catch (const json::exception&) {
        }
    }
    return kept ? *kept : failure;
}

OsVersion RemoteMachine::os_version() { return ask_kept(op::kOsVersion, m_os_version, OsVersion{}); }
std::string RemoteMachine::computer_name() { return ask_kept(op::kComputerName, m_computer_name, std::string()); }
std::uint16_t RemoteMachine::default_language()
{
    return ask_kept<std::uint16_t>(op::kDefaultLanguage, m_default_language, 0x0409);
}
std::string RemoteMachine::windows_directory()
{
    return ask_kept(op::kWindowsDirectory, m_windows_directory, std::string("C:\\WINDOWS"));
}

// Memory is the caller's own; only a machine that answers can refuse it.
bool RemoteMachine::permit_allocation() { return ask(op::kPermitAllocation, json::array(), true); }

OpenResult RemoteMachine::open_device(const std::string& path)
{
    return ask(op::kOpenDevice, json::array({path}), OpenResult{0, kErrorFileNotFound});
}

bool RemoteMachine::close_device(std::uint32_t device) { return ask(op::kCloseDevice, json::array({device}), false); }

ControlResult RemoteMachine::device_control(std::uint32_t device, std::uint32_t code,
                                            const std::vector<std::uint8_t>& memory, std::uint32_t input_size,
                                            std::uint32_t output_size)
{
    return ask(op::kDeviceControl, json::array({device, code, byte_string(memory), input_size, output_size}),
               ControlResult{false, kErrorInvalidHandle, {}});
}

std::uint32_t RemoteMachine::open_service(const std::string& name)
{
    return ask(op::kOpenService, json::array({name}), kErrorServiceDoesNotExist);
}

std::uint32_t RemoteMachine::start_service(const std::string& name)
{
    return ask(op::kStartService, json::array({name}), kErrorServiceDoesNotExist);
}

ServiceQuery RemoteMachine::query_service(const std::string& name)
{
    return ask(op::kQueryService, json::array({name}), ServiceQuery{kErrorServiceDoesNotExist, ServiceState::Stopped});
}

std::uint32_t RemoteMachine::stop_service(const std::string& name)
{
    return ask(op::kStopService, json::array({name}), kErrorServiceDoesNotExist);
}

std::vector<ClassDevice> RemoteMachine::present_class_devices()
{
    return ask(op::kPresentClassDevices, json::array(), std::vector<ClassDevice>{});
}

std::uint32_t RemoteMachine::restart_device(const std::string& instance_id)
{
    return ask(op::kRestartDevice, json::array({instance_id}), kErrorNoSuchDevinst);
}

IpAdaptersAnswer RemoteMachine::ip_adapters() { return ask(op::kIpAdapters, json::array(), IpAdaptersAnswer{}); }

NetworkParamsAnswer RemoteMachine::network_params() { return ask(op::kNetworkParams, json::array(), NetworkParamsAnswer{}); }

std::string RemoteMachine::host_path(const std::string& windows_path)
{
    return ask(op::kHostPath, json::array({windows_path}), std::string());
}

ShellAnswer RemoteMachine::shell(const ShellRequest& request)
{
    return ask(op::kShell, json::array({request}), ShellAnswer{kErrorFileNotFound, false, {}});
}

void RemoteMachine::message_beep(std::uint32_t type) { call(op::kMessageBeep, json::array({type})); }

RegistryKeyResult RemoteMachine::registry_open_key(RegistryRoot root, const std::string& path, bool write)
{
    return ask(op::kRegistryOpenKey, json::array({root_number(root), path, write}), RegistryKeyResult{kRegistryNotFound, false});
}

RegistryKeyResult RemoteMachine::registry_create_key(RegistryRoot root, const std::string& path, bool write)
{
    return ask(op::kRegistryCreateKey, json::array({root_number(root), path, write}), RegistryKeyResult{kRegistryNotFound, false});
}

RegistryKeyInfo RemoteMachine::registry_key_info(RegistryRoot root, const std::string& path)
{
    RegistryKeyInfo gone;
    gone.error = kRegistryKeyDeleted;
    return ask(op::kRegistryKeyInfo, json::array({root_number(root), path}), gone);
}

RegistryName RemoteMachine::registry_sub_key_name(RegistryRoot root, const std::string& path, std::uint32_t index)
{
    return ask(op::kRegistrySubKeyName, json::array({root_number(root), path, index}), RegistryName{kRegistryKeyDeleted, {}});
}

RegistryData RemoteMachine::registry_query_value(RegistryRoot root, const std::string& path, const std::string& name)
{
    return ask(op::kRegistryQueryValue, json::array({root_number(root), path, name}), RegistryData{kRegistryKeyDeleted, kRegNone, {}});
}

std::uint32_t RemoteMachine::registry_set_value(RegistryRoot root, const std::string& path, const std::string& name,
                                                std::uint32_t type, const std::vector<std::uint8_t>& data)
{
    return ask(op::kRegistrySetValue, json::array({root_number(root), path, name, type, byte_string(data)}), kRegistryKeyDeleted);
}

void RemoteMachine::registry_changed_key_closed() { call(op::kRegistryChangedKeyClosed, json::array()); }

}  // namespace machine::service

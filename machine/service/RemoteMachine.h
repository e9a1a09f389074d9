#pragma once
// The machine of a service in another process, behind the same port the platform calls.
// While the service is gone every call gets the result of a machine without the adapter:
// devices do not open, no wireless device is present, the registry cannot be reached. Nothing
// throws and nothing waits longer than the time limit; the next call after a service is back
// connects again.

#include <chrono>
#include <filesystem>
#include <optional>

#include <nlohmann/json.hpp>

#include "machine/MachinePort.h"
#include "machine/service/Connection.h"

namespace machine::service {

class RemoteMachine final : public MachinePort {
public:
    static constexpr int kDefaultTimeoutMs = 1000;

    explicit RemoteMachine(std::filesystem::path socket, int timeout_ms = kDefaultTimeoutMs);

    // Connects now; false when no service listens, or when the one that listens speaks another
    // protocol version (`other_version` then names it, 0 when it names none).
    bool connect();
    std::optional<std::uint32_t> other_version() const { return m_other_version; }
    bool connected() const { return m_connection.is_open(); }
    const std::filesystem::path& socket() const { return m_socket; }

    // Any request, control ones included: the answer's result, or nothing when the service
    // is gone or refused it (`refusal` then says why, when it did).
    std::optional<nlohmann::json> call(const char* operation, nlohmann::json arguments,
                                       std::string* refusal = nullptr);

    OsVersion os_version() override;
    std::string computer_name() override;
    std::uint16_t default_language() override;
    bool permit_allocation() override;
    OpenResult open_device(const std::string& path) override;
    bool close_device(std::uint32_t device) override;
    ControlResult device_control(std::uint32_t device, std::uint32_t code, const std::vector<std::uint8_t>& memory,
                                 std::uint32_t input_size, std::uint32_t output_size) override;
    std::uint32_t open_service(const std::string& name) override;
    std::uint32_t start_service(const std::string& name) override;
    ServiceQuery query_service(const std::string& name) override;
    std::uint32_t stop_service(const std::string& name) override;
    std::vector<ClassDevice> present_class_devices() override;
    std::uint32_t restart_device(const std::string& instance_id) override;
    IpAdaptersAnswer ip_adapters() override;
    NetworkParamsAnswer network_params() override;
    std::string windows_directory() override;
    std::string host_path(const std::string& windows_path) override;
    ShellAnswer shell(const ShellRequest& request) override;
    void message_beep(std::uint32_t type) override;
    RegistryKeyResult registry_open_key(RegistryRoot root, const std::string& path, bool write) override;
    RegistryKeyResult registry_create_key(RegistryRoot root, const std::string& path, bool write) override;
    RegistryKeyInfo registry_key_info(RegistryRoot root, const std::string& path) override;
    RegistryName registry_sub_key_name(RegistryRoot root, const std::string& path, std::uint32_t index) override;
    RegistryData registry_query_value(RegistryRoot root, const std::string& path, const std::string& name) override;
    std::uint32_t registry_set_value(RegistryRoot root, const std::string& path, const std::string& name,
                                     std::uint32_t type, const std::vector<std::uint8_t>& data) override;
    void registry_changed_key_closed() override;

private:
    bool agree_on_version();
    template <class T>
    T ask(const char* operation, nlohmann::json arguments, T failure);
    // What stays the same while a machine runs: kept from the last answer, so that a program
    // whose service went away still names its system.
    template <class T>
    T ask_kept(const char* operation, std::optional<T>& kept, T failure);

    std::filesystem::path m_socket;
    int m_timeout_ms;
    Connection m_connection;
    std::chrono::steady_clock::time_point m_next_attempt{};
    std::optional<std::uint32_t> m_other_version;
    std::optional<OsVersion> m_os_version;
    std::optional<std::string> m_computer_name;
    std::optional<std::uint16_t> m_default_language;
    std::optional<std::string> m_windows_directory;
};

}  // namespace machine::service

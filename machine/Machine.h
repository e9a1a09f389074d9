#pragma once
// The simulated computer, in-process: system information, network devices, IP stack,
// the protocol driver with its service, the wireless adapter, hot-plug and injected faults.

#include <memory>
#include <string>
#include <vector>

#include "machine/Clock.h"
#include "machine/DriverService.h"
#include "machine/MachinePort.h"
#include "machine/ProtocolDriver.h"
#include "machine/Scenario.h"
#include "machine/SystemDrive.h"
#include "machine/registry/MachineRegistry.h"

namespace machine {

class SimulatedAdapter;

constexpr const char* kDevice9x = "\\\\.\\zmux19x.vxd";
constexpr const char* kDeviceNt = "\\\\.\\ZMUX1W2K";
constexpr const char* kDriverServiceName = "ZMUX1W2K";

// Where a machine keeps what outlives the program.
struct MachineStorage {
    std::string directory;  // empty: nothing is kept, the machine lives in memory only
    bool fresh = false;     // start from the scenario's contents, replacing what was kept
};

class Machine final : public MachinePort {
public:
    Machine(const Scenario& scenario, Clock& clock, const MachineStorage& storage = {});
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    Clock& clock() { return m_clock; }
    Faults& faults() { return m_faults; }
    const Scenario& scenario() const { return m_scenario; }
    // The machine's own directory: its registry hive lives there, and whatever else of the
    // machine is to outlast the program (its Windows directory, for one) belongs inside it.
    // Empty for a machine kept in memory only.
    const std::string& state_directory() const { return m_state_directory; }

    // The wireless adapter behind the protocol driver (a zero-answering one until set).
    void set_adapter(std::unique_ptr<Adapter> adapter);
    Adapter& adapter() { return m_driver.adapter(); }
    // The simulated adapter the scenario's radio world made, for changes to that world while
    // the machine runs; null when another adapter was set or the scenario has no radio world.
    SimulatedAdapter* simulated_adapter() { return m_simulated; }

    // Hot-plug of the wireless card while the program runs.
    void remove_adapter();
    void insert_adapter();
    bool adapter_present() const { return m_adapter_present; }
    // A class device enabled or disabled in the device manager.
    void set_device_present(const std::string& instance_id, bool present);
    // The driver loses its binding on its own (reported by the unbind-event poll).
    void drop_binding() { m_driver.drop_binding(true); }
    bool bound() const { return m_driver.bound(); }
    ServiceState service_state() const { return m_service.query().state; }

    const std::vector<LoggedRequest>& request_log() const { return m_driver.log(); }
    void clear_request_log() { m_driver.clear_log(); }
    // The requests that reached the adapter (queries and sets), in order.
    std::vector<LoggedRequest> adapter_requests() const;

    OsVersion os_version() override;
    std::string computer_name() override;
    std::uint16_t default_language() override { return m_scenario.default_language; }
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
    std::string windows_directory() override { return m_drive.windows_directory(); }
    std::string host_path(const std::string& windows_path) override;
    ShellAnswer shell(const ShellRequest& request) override;
    void message_beep(std::uint32_t type) override { m_beeps.push_back(type); }

    const SystemDrive& drive() const { return m_drive; }
    // Every shell request, in order, whatever the machine answered.
    const std::vector<ShellRequest>& shell_log() const { return m_shell_log; }
    // The sound types of every message beep, in order.
    const std::vector<std::uint32_t>& beeps() const { return m_beeps; }

    RegistryKeyResult registry_open_key(RegistryRoot root, const std::string& path, bool write) override;
    RegistryKeyResult registry_create_key(RegistryRoot root, const std::string& path, bool write) override;
    RegistryKeyInfo registry_key_info(RegistryRoot root, const std::string& path) override;
    RegistryName registry_sub_key_name(RegistryRoot root, const std::string& path, std::uint32_t index) override;
    RegistryData registry_query_value(RegistryRoot root, const std::string& path, const std::string& name) override;
    std::uint32_t registry_set_value(RegistryRoot root, const std::string& path, const std::string& name,
                                     std::uint32_t type, const std::vector<std::uint8_t>& data) override;
    void registry_changed_key_closed() override;

    MachineRegistry& registry() { return m_registry; }
    // The values of the wireless device's driver key, as its driver reads them when it starts.
    std::map<std::string, std::string> wireless_driver_parameters();

private:
    bool nt_family() const;
    BindTarget bind_target() const;
    // The wireless adapter's miniport starts and reads its driver key.
    void start_wireless_driver();
    // The registry with the rights the user has now: a limited user's, or the injected fault's.
    MachineRegistry& registry_as_user();

    Scenario m_scenario;
    std::string m_state_directory;
    Clock& m_clock;
    Faults m_faults;
    bool m_adapter_present;
    int m_allocations = 0;
    SimulatedAdapter* m_simulated = nullptr;
    DriverService m_service;
    ProtocolDriver m_driver;
    SystemDrive m_drive;
    std::vector<ShellRequest> m_shell_log;
    std::vector<std::uint32_t> m_beeps;
    MachineRegistry m_registry;
};

}  // namespace machine

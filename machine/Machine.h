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

namespace machine {

constexpr const char* kDevice9x = "\\\\.\\zmux19x.vxd";
constexpr const char* kDeviceNt = "\\\\.\\ZMUX1W2K";
constexpr const char* kDriverServiceName = "ZMUX1W2K";

class Machine final : public MachinePort {
public:
    Machine(const Scenario& scenario, Clock& clock);
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    Clock& clock() { return m_clock; }
    Faults& faults() { return m_faults; }
    const Scenario& scenario() const { return m_scenario; }

    // The wireless adapter behind the protocol driver (a zero-answering one until set).
    void set_adapter(std::unique_ptr<Adapter> adapter);
    Adapter& adapter() { return m_driver.adapter(); }

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
    std::uint32_t ip_helper_error(IpCall call, bool sizing) override;
    std::vector<IpAdapter> ip_adapters() override;
    NetworkParams network_params() override { return m_scenario.network; }
    std::string windows_directory() override { return m_drive.windows_directory(); }
    std::string host_path(const std::string& windows_path) override;
    ShellAnswer shell(const ShellRequest& request) override;
    void message_beep(std::uint32_t type) override { m_beeps.push_back(type); }

    const SystemDrive& drive() const { return m_drive; }
    // Every shell request, in order, whatever the machine answered.
    const std::vector<ShellRequest>& shell_log() const { return m_shell_log; }
    // The sound types of every message beep, in order.
    const std::vector<std::uint32_t>& beeps() const { return m_beeps; }

private:
    bool nt_family() const;
    BindTarget bind_target() const;

    Scenario m_scenario;
    Clock& m_clock;
    Faults m_faults;
    bool m_adapter_present;
    int m_allocations = 0;
    DriverService m_service;
    ProtocolDriver m_driver;
    SystemDrive m_drive;
    std::vector<ShellRequest> m_shell_log;
    std::vector<std::uint32_t> m_beeps;
};

}  // namespace machine

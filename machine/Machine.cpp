#include "machine/Machine.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <unistd.h>

#include "machine/ErrorCodes.h"
#include "machine/StateDirectory.h"
#include "machine/ZeroAdapter.h"
#include "machine/adapter/SimulatedAdapterFactory.h"
#include "machine/registry/InitialRegistry.h"

namespace machine {

namespace {
// Results of a recorded open and of a recorded command: any value above the failure codes.
constexpr std::uint32_t kRecordedOpen = 42;
constexpr std::uint32_t kRecordedExec = 33;

std::string WindowsDirectoryName(const std::string& os)
{
    return os == "2000" || os == "nt4" ? "WINNT" : "WINDOWS";
}

// The system drive lives in the machine's state directory; a machine that keeps nothing
// gets a temporary one.
std::filesystem::path DriveFolder(const MachineStorage& storage)
{
    if (storage.directory.empty())
        return MakeTemporaryDriveFolder();
    make_private_directory(storage.directory);
    return std::filesystem::path(storage.directory) / "drive-c";
}
}  // namespace

Machine::Machine(const Scenario& scenario, Clock& clock, const MachineStorage& storage)
    : m_scenario(scenario), m_state_directory(storage.directory), m_clock(clock), m_faults(scenario.faults), m_adapter_present(scenario.adapter_present),
      m_service(clock, m_faults, scenario.protocol_driver.installed, scenario.protocol_driver.service_running_at_start,
                scenario.protocol_driver.service_start_pending_ms),
      m_driver(m_faults, std::make_unique<ZeroAdapter>()),
      m_drive(DriveFolder(storage), storage.directory.empty(), WindowsDirectoryName(scenario.os), scenario.driver_file_time,
              ProgramFolder()),
      m_registry(initial_registry(scenario), scenario.limited_user,
                 storage.directory.empty() ? nullptr : std::make_unique<HiveStore>(storage.directory), storage.fresh)
{
    // A scenario without a radio world keeps the zero-answering adapter (driver tests).
    if (!scenario.wireless.empty()) {
        std::unique_ptr<SimulatedAdapter> simulated = make_simulated_adapter(scenario.wireless, clock);
        SimulatedAdapter* kept = simulated.get();
        set_adapter(std::move(simulated));
        m_simulated = kept;
    }
    if (m_adapter_present)
        start_wireless_driver();
}

std::map<std::string, std::string> Machine::wireless_driver_parameters()
{
    for (const auto& d : m_scenario.class_devices) {
        if (!d.wireless)
            continue;
        const std::string path = driver_key_path(d, nt_family());
        return path.empty() ? std::map<std::string, std::string>{}
                            : m_registry.text_values(RegistryRoot::LocalMachine, path);
    }
    return {};
}

void Machine::start_wireless_driver()
{
    m_driver.adapter().restart(wireless_driver_parameters());
}

void Machine::set_adapter(std::unique_ptr<Adapter> adapter)
{
    m_simulated = nullptr;
    m_driver.set_adapter(adapter ? std::move(adapter) : std::make_unique<ZeroAdapter>());
}

void Machine::remove_adapter()
{
    if (!m_adapter_present)
        return;
    m_adapter_present = false;
    m_driver.drop_binding(true);
}

void Machine::insert_adapter()
{
    if (m_adapter_present)
        return;
    m_adapter_present = true;
    start_wireless_driver();
}

void Machine::set_device_present(const std::string& instance_id, bool present)
{
    for (auto& d : m_scenario.class_devices)
        if (d.instance_id == instance_id)
            d.present = present;
}

std::vector<LoggedRequest> Machine::adapter_requests() const
{
    std::vector<LoggedRequest> result;
    std::copy_if(request_log().begin(), request_log().end(), std::back_inserter(result), [](const LoggedRequest& r) {
        return r.code == ioctl::kQuery || r.code == ioctl::kSet;
    });
    return result;
}

OsVersion Machine::os_version()
{
    return os_version_named(m_scenario.os).value_or(OsVersion{});
}

bool Machine::nt_family() const
{
    return os_version_named(m_scenario.os).value_or(OsVersion{}).platform_id == 2;
}

std::string Machine::computer_name()
{
    if (!m_scenario.computer_name.empty())
        return m_scenario.computer_name;
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return "LOCALHOST";
    std::string result(name);
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) {
        return static_cast<char>(std::toupper(c));
    });
    return result;
}

bool Machine::permit_allocation()
{
    if (m_faults.allocations_before_failure < 0)
        return true;
    return m_allocations++ < m_faults.allocations_before_failure;
}

OpenResult Machine::open_device(const std::string& path)
{
    bool is_9x = path == kDevice9x;
    bool is_nt = path == kDeviceNt;
    bool available = m_scenario.protocol_driver.installed && !m_faults.device_open_fails &&
                     ((is_9x && !nt_family()) || (is_nt && nt_family() && m_service.running()));
    if (!available)
        return {0, kErrorFileNotFound};
    std::uint32_t device = m_driver.open(is_9x ? ProtocolDriver::DeviceKind::Win9x : ProtocolDriver::DeviceKind::Nt);
    return {device, m_faults.device_open_leaves_183 ? kErrorAlreadyExists : 0};
}

bool Machine::close_device(std::uint32_t device)
{
    return m_driver.close(device);
}

BindTarget Machine::bind_target() const
{
    BindTarget target;
    target.present = m_adapter_present;
    for (const auto& a : m_scenario.ip_adapters)
        if (a.wireless && target.nt_device_path.empty())
            target.nt_device_path = "\\Device\\" + a.name;
    for (const auto& d : m_scenario.class_devices)
        if (d.wireless && d.present && target.instance_key.empty()) {
            auto slash = d.driver_key.rfind('\\');
            target.instance_key = slash == std::string::npos ? d.driver_key : d.driver_key.substr(slash + 1);
        }
    return target;
}

ControlResult Machine::device_control(std::uint32_t device, std::uint32_t code, const std::vector<std::uint8_t>& memory,
                                      std::uint32_t input_size, std::uint32_t output_size)
{
    return m_driver.control(device, code, memory, input_size, output_size, bind_target());
}

std::uint32_t Machine::open_service(const std::string& name)
{
    return name == kDriverServiceName ? m_service.open() : kErrorServiceDoesNotExist;
}

std::uint32_t Machine::start_service(const std::string& name)
{
    return name == kDriverServiceName ? m_service.start() : kErrorServiceDoesNotExist;
}

ServiceQuery Machine::query_service(const std::string& name)
{
    if (name != kDriverServiceName)
        return {kErrorServiceDoesNotExist, ServiceState::Stopped};
    return m_service.query();
}

std::uint32_t Machine::stop_service(const std::string& name)
{
    if (name != kDriverServiceName)
        return kErrorServiceDoesNotExist;
    std::uint32_t error = m_service.stop();
    // The binding goes with the driver, and the unbind-event poll reports it, as it does for
    // every binding lost while a program holds the device open.
    if (error == 0)
        m_driver.drop_binding(true);
    return error;
}

std::vector<ClassDevice> Machine::present_class_devices()
{
    std::vector<ClassDevice> result;
    for (const auto& d : m_scenario.class_devices)
        if (d.present && (!d.wireless || m_adapter_present))
            result.push_back(d);
    return result;
}

std::uint32_t Machine::restart_device(const std::string& instance_id)
{
    for (const auto& d : present_class_devices()) {
        if (d.instance_id != instance_id)
            continue;
        if (d.wireless) {
            // The miniport stops and starts again: the protocol driver loses its binding.
            m_driver.drop_binding(true);
            start_wireless_driver();
        }
        return 0;
    }
    return kErrorNoSuchDevinst;
}

IpAdaptersAnswer Machine::ip_adapters()
{
    IpAdaptersAnswer answer;
    answer.adapters.reserve(m_scenario.ip_adapters.size());
    for (const auto& a : m_scenario.ip_adapters)
        if (!a.wireless || m_adapter_present)
            answer.adapters.push_back(a);
    answer.errors = {m_faults.adapters_info_sizing_error, m_faults.adapters_info_error};
    return answer;
}

NetworkParamsAnswer Machine::network_params()
{
    return {m_scenario.network, {m_faults.network_params_sizing_error, m_faults.network_params_error}};
}

}  // namespace machine

namespace machine {

std::string Machine::host_path(const std::string& windows_path)
{
    auto path = m_drive.host_path(windows_path);
    return path ? path->string() : std::string();
}

ShellAnswer Machine::shell(const ShellRequest& request)
{
    m_shell_log.push_back(request);
    const ShellConfig& config = m_scenario.shell;
    std::uint32_t error = request.call == ShellCall::Open ? config.open_error : config.exec_error;
    if (m_faults.shell_error != 0)
        error = m_faults.shell_error;
    if (error != 0)
        return {error, false, {}};
    if (config.mode == "record")
        return {request.call == ShellCall::Open ? kRecordedOpen : kRecordedExec, false, {}};
    return {0, true, config.opener};
}

MachineRegistry& Machine::registry_as_user()
{
    m_registry.set_local_machine_read_only(m_scenario.limited_user || m_faults.registry_read_only);
    return m_registry;
}

RegistryKeyResult Machine::registry_open_key(RegistryRoot root, const std::string& path, bool write)
{
    return registry_as_user().open_key(root, path, write);
}

RegistryKeyResult Machine::registry_create_key(RegistryRoot root, const std::string& path, bool write)
{
    return registry_as_user().create_key(root, path, write);
}

RegistryKeyInfo Machine::registry_key_info(RegistryRoot root, const std::string& path)
{
    return registry_as_user().key_info(root, path);
}

RegistryName Machine::registry_sub_key_name(RegistryRoot root, const std::string& path, std::uint32_t index)
{
    return registry_as_user().sub_key_name(root, path, index);
}

RegistryData Machine::registry_query_value(RegistryRoot root, const std::string& path, const std::string& name)
{
    return registry_as_user().query_value(root, path, name);
}

std::uint32_t Machine::registry_set_value(RegistryRoot root, const std::string& path, const std::string& name,
                                          std::uint32_t type, const std::vector<std::uint8_t>& data)
{
    return registry_as_user().set_value(root, path, name, type, data);
}

void Machine::registry_changed_key_closed()
{
    m_registry.save();
}

}  // namespace machine

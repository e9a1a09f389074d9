#include "apps/zephra/ProgramMachine.h"

#include <filesystem>

#include "machine/SystemDrive.h"
#include "machine/service/ServiceEndpoint.h"
#include "machine/service/ServiceStarter.h"

namespace zephra_app {

namespace {

constexpr const char* kServiceProgram = "zephra-machine";
// A start takes a few milliseconds; this only bounds a service that never comes up.
constexpr int kStartTimeoutMs = 5000;

std::string Absolute(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::absolute(path, ignored).string();
}

// The service's command line: the same machine, kept in the same directory.
machine::service::ServiceLaunch LaunchFor(const Options& options, const std::string& directory,
                                          const machine::service::ServiceEndpoint& endpoint)
{
    machine::service::ServiceLaunch launch{(machine::ProgramFolder() / kServiceProgram).string(),
                                           {"--machine-dir", Absolute(directory)},
                                           endpoint.log.string()};
    if (!options.scenario_file.empty()) {
        launch.arguments.push_back("--scenario");
        launch.arguments.push_back(Absolute(options.scenario_file));
    }
    if (options.fresh)
        launch.arguments.push_back("--fresh");
    return launch;
}

}  // namespace

ProgramMachine::ProgramMachine(const Options& options, const machine::Scenario& scenario, const char* program,
                               std::ostream& err)
    : m_scenario(scenario), m_storage(MachineStorageFor(options)), m_program(program), m_err(err)
{
    // A snapshot's machine keeps nothing and is the same on every run; a machine without a
    // directory has nothing to share a service by.
    if (options.in_process || !options.snapshot_folder.empty() || m_storage.directory.empty())
        return;
    const auto folder = machine::service::runtime_folder();
    m_problem = machine::service::prepare_runtime_folder(folder);
    if (!m_problem.empty())
        return;
    m_endpoint = machine::service::endpoint_for(folder, m_storage.directory);
    m_remote = std::make_unique<machine::service::RemoteMachine>(m_endpoint->socket);
    m_start = std::make_unique<machine::service::ServiceStart>(
        *m_remote, LaunchFor(options, m_storage.directory, *m_endpoint), kStartTimeoutMs);
}

machine::MachinePort& ProgramMachine::port()
{
    if (m_start) {
        const std::string problem = m_start->finish();
        m_start.reset();
        if (!problem.empty()) {
            m_remote.reset();
            m_problem = problem;
        }
    }
    if (m_remote)
        return *m_remote;
    if (!m_local) {
        machine::MachineStorage storage = m_storage;
        if (!m_problem.empty()) {
            // A service that still keeps the machine's state would overwrite what a second
            // machine saved there, or be overwritten by it: this one then keeps nothing.
            const bool kept_elsewhere = m_endpoint && machine::service::service_process_alive(*m_endpoint);
            m_err << m_program << ": " << m_problem << "; running on a machine of its own"
                  << (kept_elsewhere ? " that keeps nothing, since the service keeps this machine's state" : "")
                  << std::endl;
            if (kept_elsewhere)
                storage = {};
        }
        m_local = std::make_unique<machine::Machine>(m_scenario, m_clock, storage);
    }
    return *m_local;
}

}  // namespace zephra_app

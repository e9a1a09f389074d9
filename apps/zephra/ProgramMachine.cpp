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
{
    const machine::MachineStorage storage = MachineStorageFor(options);
    // A snapshot's machine keeps nothing and is the same on every run; a machine without a
    // directory has nothing to share a service by.
    if (!options.in_process && options.snapshot_folder.empty() && !storage.directory.empty()) {
        const auto folder = machine::service::runtime_folder();
        std::string problem = machine::service::prepare_runtime_folder(folder);
        if (problem.empty()) {
            const auto endpoint = machine::service::endpoint_for(folder, storage.directory);
            auto remote = std::make_unique<machine::service::RemoteMachine>(endpoint.socket);
            problem = machine::service::connect_or_start(*remote, LaunchFor(options, storage.directory, endpoint),
                                                         kStartTimeoutMs);
            if (problem.empty())
                m_remote = std::move(remote);
        }
        if (!problem.empty())
            err << program << ": " << problem << "; running on a machine of its own" << std::endl;
    }
    if (!m_remote)
        m_local = std::make_unique<machine::Machine>(scenario, m_clock, storage);
}

machine::MachinePort& ProgramMachine::port()
{
    if (m_remote)
        return *m_remote;
    return *m_local;
}

}  // namespace zephra_app

#include "apps/zephra-machine/ServiceMain.h"

#include <charconv>
#include <csignal>
#include <iostream>
#include <unistd.h>

#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/Scenario.h"
#include "machine/service/MachineService.h"
#include "machine/service/ServiceEndpoint.h"
#include "machine/service/ServiceStarter.h"

namespace machine_app {

namespace {

machine::service::MachineService* g_service = nullptr;

extern "C" void OnStopSignal(int)
{
    if (g_service != nullptr)
        g_service->stop();
}

void InstallStopSignals()
{
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A log whose reader went away must not end the service.
    signal(SIGPIPE, SIG_IGN);
}

// Tells the program that started the service that it may connect now.
class Readiness {
public:
    explicit Readiness(const std::string& fd_text)
    {
        if (!fd_text.empty())
            std::from_chars(fd_text.data(), fd_text.data() + fd_text.size(), m_fd);
    }
    ~Readiness() { close_pipe(); }
    Readiness(const Readiness&) = delete;
    Readiness& operator=(const Readiness&) = delete;

    void report()
    {
        if (m_fd < 0)
            return;
        const char byte = machine::service::kReadyByte;
        [[maybe_unused]] const ssize_t n = write(m_fd, &byte, 1);
        close_pipe();
    }

private:
    void close_pipe()
    {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = -1;
    }
    int m_fd = -1;
};

int Fail(const std::string& message, int code)
{
    std::cerr << "zephra-machine: " << message << std::endl;
    return code;
}

}  // namespace

int RunService(const MachineOptions& options)
{
    // Closed unreported on every early return: the starter sees the end of the pipe at once.
    Readiness readiness(options.ready_fd);
    const std::optional<std::uint64_t> idle_stop_ms = IdleStopMs(options);
    if (!idle_stop_ms)
        return Fail("--idle-stop needs a number of seconds, not \"" + options.idle_stop + "\"", 2);
    machine::Scenario scenario = machine::default_scenario();
    if (!options.scenario_file.empty()) {
        machine::ScenarioLoad load = machine::load_scenario_file(options.scenario_file);
        if (!load.scenario)
            return Fail("cannot use scenario " + options.scenario_file + ": " + load.error, 2);
        scenario = *load.scenario;
    }
    const std::string directory = MachineDirectory(options);
    if (directory.empty())
        return Fail("neither XDG_STATE_HOME nor HOME is set: the machine has no directory to be kept in", 1);

    const auto folder = machine::service::runtime_folder();
    if (const std::string problem = machine::service::prepare_runtime_folder(folder); !problem.empty())
        return Fail(problem, 1);
    machine::service::MachineService service(std::cerr);
    std::string error;
    switch (service.claim(machine::service::endpoint_for(folder, directory), error)) {
    case machine::service::MachineService::Claim::Failed:
        return Fail(error, 1);
    case machine::service::MachineService::Claim::AlreadyRunning:
        readiness.report();
        return 0;
    case machine::service::MachineService::Claim::Claimed:
        break;
    }

    machine::RealClock clock;
    machine::Machine computer(scenario, clock, {directory, options.fresh});
    if (const std::string problem = service.listen(); !problem.empty())
        return Fail(problem, 1);
    g_service = &service;
    InstallStopSignals();
    readiness.report();
    service.run(computer, *idle_stop_ms);
    g_service = nullptr;
    computer.registry().save();
    return 0;
}

}  // namespace machine_app

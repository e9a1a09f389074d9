// One adapter query through the machine service's socket beside the same query in-process,
// and the on-demand start of the service up to its first answer.
#include <benchmark/benchmark.h>

#include <csignal>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/ProtocolDriver.h"
#include "machine/Scenario.h"
#include "machine/adapter/Identifiers.h"
#include "machine/service/RemoteMachine.h"
#include "machine/service/ServiceEndpoint.h"
#include "machine/service/ServiceStarter.h"

namespace {

namespace fs = std::filesystem;
constexpr std::uint32_t kRecordHeader = 8;
constexpr std::uint32_t kSignalBytes = 4;

// A temporary runtime folder and machine directory, and the service of that machine.
class ServiceSandbox {
public:
    ServiceSandbox()
    {
        char pattern[] = "/tmp/zephra-service-bench-XXXXXX";
        m_root = mkdtemp(pattern);
        setenv("XDG_RUNTIME_DIR", (m_root / "run").c_str(), 1);
        machine::service::prepare_runtime_folder(machine::service::runtime_folder());
        m_endpoint = machine::service::endpoint_for(machine::service::runtime_folder(), (m_root / "machine").string());
    }
    ~ServiceSandbox()
    {
        Stop();
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    std::string Start(machine::service::RemoteMachine& client) const
    {
        return machine::service::connect_or_start(
            client, {std::string(ZEPHRA_BIN_DIR) + "/zephra-machine", {"--machine-dir", (m_root / "machine").string()}, m_endpoint.log.string()},
            5000);
    }

    // Ends the service and waits until it has let go of the machine.
    void Stop() const
    {
        const int fd = open(m_endpoint.lock.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return;
        pid_t pid = 0;
        std::ifstream(m_endpoint.lock) >> pid;
        if (pid > 0 && flock(fd, LOCK_EX | LOCK_NB) != 0) {
            kill(pid, SIGTERM);
            flock(fd, LOCK_EX);
        }
        close(fd);
    }

    const fs::path& socket() const { return m_endpoint.socket; }

private:
    fs::path m_root;
    machine::service::ServiceEndpoint m_endpoint;
};

// Opens the protocol driver's device and binds it to the wireless adapter, as the program does.
std::uint32_t BoundDevice(machine::MachinePort& port)
{
    port.start_service(machine::kDriverServiceName);
    const std::uint32_t device = port.open_device(machine::kDeviceNt).device;
    std::string name;
    for (const auto& adapter : port.ip_adapters().adapters)
        if (adapter.wireless)
            name = "\\Device\\" + adapter.name;
    std::vector<std::uint8_t> record(kRecordHeader + name.size());
    record[4] = static_cast<std::uint8_t>(name.size());
    std::copy(name.begin(), name.end(), record.begin() + kRecordHeader);
    const auto size = static_cast<std::uint32_t>(record.size());
    return port.device_control(device, machine::ioctl::kBind, record, size, 0).ok ? device : 0;
}

void QuerySignal(benchmark::State& state, machine::MachinePort& port)
{
    const std::uint32_t device = BoundDevice(port);
    if (device == 0) {
        state.SkipWithError("the adapter could not be bound");
        return;
    }
    std::vector<std::uint8_t> record(kRecordHeader + kSignalBytes);
    const std::uint32_t oid = machine::oid::kRssi;
    std::memcpy(record.data(), &oid, sizeof oid);
    record[4] = kSignalBytes;
    for (auto _ : state) {
        machine::ControlResult result =
            port.device_control(device, machine::ioctl::kQuery, record, kRecordHeader, kRecordHeader + kSignalBytes);
        if (!result.ok) {
            state.SkipWithError("the query failed");
            return;
        }
        benchmark::DoNotOptimize(result);
    }
}

void SignalQueryInProcess(benchmark::State& state)
{
    machine::RealClock clock;
    machine::Machine computer(machine::default_scenario(), clock);
    QuerySignal(state, computer);
}
BENCHMARK(SignalQueryInProcess);

void SignalQueryThroughService(benchmark::State& state)
{
    ServiceSandbox sandbox;
    machine::service::RemoteMachine remote(sandbox.socket());
    if (const std::string error = sandbox.Start(remote); !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    QuerySignal(state, remote);
}
BENCHMARK(SignalQueryThroughService);

// From a program's finding no service to the first answer of the one it started.
void StartOnDemandToFirstAnswer(benchmark::State& state)
{
    ServiceSandbox sandbox;
    for (auto _ : state) {
        machine::service::RemoteMachine remote(sandbox.socket());
        if (const std::string error = sandbox.Start(remote); !error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(remote.computer_name());
        state.PauseTiming();
        sandbox.Stop();
        state.ResumeTiming();
    }
}
BENCHMARK(StartOnDemandToFirstAnswer)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

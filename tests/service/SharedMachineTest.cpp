// Two clients of one machine service: one adapter, one registry; the service killed and
// started again; its stops, idle and by signal, keep what was written.
#include "tests/service/ServiceHarness.h"

#include <sys/wait.h>

#include "machine/Machine.h"
#include "machine/service/ControlOperations.h"
#include "platform/IpHelper.h"
#include "platform/MachineScope.h"
#include "platform/Registry.h"

namespace service_test {
namespace {

using machine::RegistryRoot;
constexpr const char* kKey = "Software\\Norvel\\Shared";

bool WirelessPresent(machine::MachinePort& port)
{
    for (const auto& device : port.present_class_devices())
        if (device.wireless)
            return true;
    return false;
}

std::vector<std::uint8_t> Text(const std::string& text)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

// Another process writes a value through the platform's registry calls, on the service's machine.
int WriteValueInChild(const fs::path& socket, const char* value)
{
    const pid_t child = fork();
    if (child == 0) {
        machine::service::RemoteMachine remote(socket);
        machine::RealClock clock;
        platform::MachineScope scope(remote, clock);
        HKEY key = nullptr;
        DWORD disposition = 0;
        bool ok = RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, &disposition) ==
                  ERROR_SUCCESS;
        ok = ok && RegSetValueExA(key, "Owner", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                                  static_cast<DWORD>(std::strlen(value) + 1)) == ERROR_SUCCESS;
        ok = ok && RegCloseKey(key) == ERROR_SUCCESS;
        _exit(ok ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SharedMachine : public ServiceHarness {};

TEST_F(SharedMachine, TwoClientsSeeOneAdapterAndOneRegistry)
{
    auto first = Client();
    StartService(*first);
    auto second = Client();
    ASSERT_TRUE(second->connect());

    // The driver service started by one is running for the other.
    ASSERT_EQ(first->start_service(machine::kDriverServiceName), 0u);
    EXPECT_EQ(second->query_service(machine::kDriverServiceName).state, machine::ServiceState::Running);
    // The card pulled out through the control part is gone for both.
    ASSERT_TRUE(first->call(machine::service::control_op::kUnplug, nlohmann::json::array()));
    EXPECT_FALSE(WirelessPresent(*first));
    EXPECT_FALSE(WirelessPresent(*second));
    ASSERT_TRUE(second->call(machine::service::control_op::kPlug, nlohmann::json::array()));
    EXPECT_TRUE(WirelessPresent(*first));

    // A value written by another process is read by both.
    ASSERT_EQ(WriteValueInChild(m_endpoint.socket, "child"), 0);
    for (auto* client : {first.get(), second.get()}) {
        const machine::RegistryData data = client->registry_query_value(RegistryRoot::LocalMachine, kKey, "Owner");
        EXPECT_EQ(data.error, machine::kRegistryOk);
        EXPECT_EQ(data.bytes, Text("child"));
    }
}

TEST_F(SharedMachine, AnIpHelperCallGetsTheServicesDataAndFaultsInOneAnswer)
{
    auto client = Client();
    StartService(*client);
    machine::RealClock clock;
    platform::MachineScope scope(*client, clock);
    const auto fault = [&](const char* name, bool on) {
        ASSERT_TRUE(client->call(machine::service::control_op::kFault, nlohmann::json::array({name, on})));
    };

    ULONG size = 0;
    ASSERT_EQ(GetAdaptersInfo(nullptr, &size), static_cast<DWORD>(ERROR_BUFFER_OVERFLOW));
    std::vector<std::uint8_t> buffer(size);
    auto* info = reinterpret_cast<PIP_ADAPTER_INFO>(buffer.data());
    ASSERT_EQ(GetAdaptersInfo(info, &size), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_NE(info->Next, nullptr);
    EXPECT_STRNE(info->Next->Description, "");

    // Each fault reaches only the call it names: the size query or the call that fills.
    fault("adapters-info-sizing-fails", true);
    EXPECT_NE(GetAdaptersInfo(nullptr, &size), static_cast<DWORD>(ERROR_BUFFER_OVERFLOW));
    EXPECT_EQ(GetAdaptersInfo(info, &size), static_cast<DWORD>(ERROR_SUCCESS));
    fault("adapters-info-sizing-fails", false);
    fault("network-params-fails", true);
    ULONG params_size = 0;
    EXPECT_EQ(GetNetworkParams(nullptr, &params_size), static_cast<DWORD>(ERROR_BUFFER_OVERFLOW));
    std::vector<std::uint8_t> params(params_size);
    EXPECT_NE(GetNetworkParams(reinterpret_cast<PFIXED_INFO>(params.data()), &params_size),
              static_cast<DWORD>(ERROR_SUCCESS));
}

TEST_F(SharedMachine, AKilledServiceLeavesTheAdapterAbsentUntilAServiceIsBack)
{
    auto first = Client();
    StartService(*first);
    auto second = Client();
    ASSERT_TRUE(second->connect());
    const machine::OsVersion os = first->os_version();
    ASSERT_TRUE(WirelessPresent(*first));

    StopService(SIGKILL);
    for (auto* client : {first.get(), second.get()}) {
        EXPECT_FALSE(WirelessPresent(*client));
        EXPECT_EQ(client->open_device(machine::kDeviceNt).device, 0u);
        EXPECT_EQ(client->device_control(1, 0, {0, 0, 0, 0}, 4, 4).ok, false);
        EXPECT_EQ(client->query_service(machine::kDriverServiceName).error, 1060u);
        EXPECT_NE(client->registry_open_key(RegistryRoot::LocalMachine, "Software", false).error,
                  machine::kRegistryOk);
        // What a running system does not change stays as it was.
        EXPECT_EQ(client->os_version().build, os.build);
    }

    auto starter = Client();
    StartService(*starter);
    for (auto* client : {first.get(), second.get()})
        EXPECT_TRUE(Eventually([&] { return WirelessPresent(*client); })) << "a client did not come back";
}

TEST_F(SharedMachine, TheDriverServiceStopsWithTheLastProgram)
{
    auto program = Client();
    StartService(*program);
    auto other = Client();
    ASSERT_TRUE(other->connect());
    ASSERT_EQ(program->start_service(machine::kDriverServiceName), 0u);
    ASSERT_NE(program->open_device(machine::kDeviceNt).device, 0u);
    ASSERT_EQ(other->query_service(machine::kDriverServiceName).state, machine::ServiceState::Running);

    // While another program is on the machine, the service keeps running for it.
    program.reset();
    EXPECT_EQ(other->query_service(machine::kDriverServiceName).state, machine::ServiceState::Running);

    // With the last program gone, the next one finds it stopped, as after a boot, and need not
    // restart it.
    other.reset();
    auto next = Client();
    ASSERT_TRUE(next->connect());
    EXPECT_TRUE(Eventually([&] {
        return next->query_service(machine::kDriverServiceName).state == machine::ServiceState::Stopped;
    }));
}

TEST_F(SharedMachine, StopsKeepWhatWasWritten)
{
    struct Case {
        const char* name;
        std::vector<std::string> options;
        int signal;  // 0: the service goes idle
    };
    const Case cases[] = {
        {"SIGTERM", {}, SIGTERM},
        {"SIGINT", {}, SIGINT},
        {"idle", {"--idle-stop", "0.05"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto client = Client();
        StartService(*client, c.options);
        ASSERT_EQ(client->registry_create_key(RegistryRoot::LocalMachine, kKey, true).error, machine::kRegistryOk);
        // Set but not yet saved: no key has been closed.
        ASSERT_EQ(client->registry_set_value(RegistryRoot::LocalMachine, kKey, "Stop", machine::kRegSz, Text(c.name)),
                  machine::kRegistryOk);
        if (c.signal != 0) {
            StopService(c.signal);
        } else {
            client.reset();
            EXPECT_TRUE(Eventually([&] { return !Running(); })) << "the service did not stop when idle";
        }
        std::ifstream hive(fs::path(m_machine_dir) / "registry");
        const std::string text((std::istreambuf_iterator<char>(hive)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("\"Stop\"=sz:\"" + std::string(c.name) + "\""), std::string::npos) << text;
    }
}

TEST_F(SharedMachine, TheSocketAndItsFolderArePrivate)
{
    auto client = Client();
    StartService(*client);
    EXPECT_EQ(fs::status(m_endpoint.socket).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fs::status(m_endpoint.socket.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
    // A second service for the same machine finds the first and leaves it serving.
    auto again = Client();
    StartService(*again);
    EXPECT_TRUE(WirelessPresent(*client));
}

}  // namespace
}  // namespace service_test

#pragma once
// A machine service in a real process, on a temporary runtime folder and state directory of
// its own: started as the programs start it, found by its lock, stopped or killed at will.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "machine/service/RemoteMachine.h"
#include "machine/service/ServiceEndpoint.h"
#include "machine/service/ServiceStarter.h"

namespace service_test {

namespace fs = std::filesystem;

// Waits on a condition that another process makes true, without a fixed sleep.
template <class Condition>
bool Eventually(Condition condition, std::chrono::milliseconds limit = std::chrono::milliseconds(3000))
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

class ServiceHarness : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/zephra-service-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_root = pattern;
        setenv("XDG_RUNTIME_DIR", (m_root / "run").c_str(), 1);
        setenv("XDG_STATE_HOME", (m_root / "state").c_str(), 1);
        m_machine_dir = (m_root / "state" / "machine").string();
        m_endpoint = machine::service::endpoint_for(machine::service::runtime_folder(), m_machine_dir);
    }

    void TearDown() override
    {
        StopService(SIGTERM);
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    machine::service::ServiceLaunch Launch(std::vector<std::string> extra = {}) const
    {
        machine::service::ServiceLaunch launch{std::string(ZEPHRA_BIN_DIR) + "/zephra-machine",
                                               {"--machine-dir", m_machine_dir, "--idle-stop", "30"},
                                               m_endpoint.log.string()};
        launch.arguments.insert(launch.arguments.end(), extra.begin(), extra.end());
        return launch;
    }

    // Starts the service (as a program does when none runs) and connects `client` to it.
    void StartService(machine::service::RemoteMachine& client, std::vector<std::string> extra = {})
    {
        ASSERT_EQ(machine::service::prepare_runtime_folder(machine::service::runtime_folder()), "");
        ASSERT_EQ(machine::service::connect_or_start(client, Launch(std::move(extra)), 5000), "");
    }

    std::unique_ptr<machine::service::RemoteMachine> Client() const
    {
        return std::make_unique<machine::service::RemoteMachine>(m_endpoint.socket);
    }

    // The running service's process id, from its lock; 0 when none holds it.
    pid_t ServicePid() const
    {
        if (!Running())
            return 0;
        std::ifstream lock(m_endpoint.lock);
        pid_t pid = 0;
        lock >> pid;
        return pid;
    }

    std::string Log() const
    {
        std::ifstream in(m_endpoint.log);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    bool Running() const
    {
        const int fd = open(m_endpoint.lock.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
        close(fd);
        return held;
    }

    // Signals the service and waits until it has let go of its machine.
    void StopService(int signal)
    {
        if (const pid_t pid = ServicePid(); pid > 0) {
            kill(pid, signal);
            EXPECT_TRUE(Eventually([&] { return !Running(); })) << "the service did not end";
        }
    }

    fs::path m_root;
    std::string m_machine_dir;
    machine::service::ServiceEndpoint m_endpoint;
};

}  // namespace service_test

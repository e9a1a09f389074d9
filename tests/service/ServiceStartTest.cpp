// Starting the service on demand: it runs apart from the program that started it, and a start
// that cannot succeed says why at once instead of waiting out its time.
#include "tests/service/ServiceHarness.h"

#include <climits>

#include "tests/service/OlderService.h"

namespace service_test {
namespace {

class ServiceStart : public ServiceHarness {
protected:
    void SetUp() override
    {
        ServiceHarness::SetUp();
        ASSERT_EQ(machine::service::prepare_runtime_folder(machine::service::runtime_folder()), "");
    }
};

std::string LinkTarget(const std::string& path)
{
    char target[PATH_MAX] = {};
    const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
    return n > 0 ? std::string(target, static_cast<std::size_t>(n)) : std::string();
}

TEST_F(ServiceStart, TheServiceRunsInASessionOfItsOwnWithItsLogAndNoOtherDescriptorOfOurs)
{
    // A descriptor the program leaves open across exec is still not the service's.
    const fs::path marker = m_root / "marker";
    const int inherited = open(marker.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(inherited, 0);
    auto client = Client();
    StartService(*client);
    close(inherited);
    const pid_t pid = ServicePid();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(getsid(pid), pid);
    EXPECT_NE(getsid(pid), getsid(0));
    const std::string fds = "/proc/" + std::to_string(pid) + "/fd/";
    EXPECT_EQ(LinkTarget(fds + "0"), "/dev/null");
    EXPECT_EQ(LinkTarget(fds + "1"), m_endpoint.log.string());
    EXPECT_EQ(LinkTarget(fds + "2"), m_endpoint.log.string());
    for (const auto& fd : fs::directory_iterator(fds))
        EXPECT_NE(LinkTarget(fd.path().string()), marker.string()) << fd.path();
    EXPECT_EQ(LinkTarget("/proc/" + std::to_string(pid) + "/cwd"), "/");
}

TEST_F(ServiceStart, AStartThatCannotSucceedSaysWhyWithoutWaitingOutItsTime)
{
    struct Row {
        const char* program;
        const char* problem;
    };
    const Row rows[] = {
        {"/nonexistent/zephra-machine", "cannot start /nonexistent/zephra-machine"},
        // Ends without ever listening.
        {"/bin/true", "/bin/true did not start the machine service"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.program);
        auto client = Client();
        machine::service::ServiceLaunch launch = Launch();
        launch.program = row.program;
        const auto began = std::chrono::steady_clock::now();
        machine::service::ServiceStart start(*client, launch, 60'000);
        EXPECT_EQ(start.finish(), row.problem);
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(30));
        EXPECT_FALSE(client->connected());
    }
}

TEST_F(ServiceStart, AServiceOfAnotherVersionIsNamedAtOnceAndNoSecondOneIsStarted)
{
    OlderService older(m_endpoint.socket);
    auto client = Client();
    const auto began = std::chrono::steady_clock::now();
    machine::service::ServiceStart start(*client, Launch(), 60'000);
    EXPECT_EQ(start.finish(), "the running machine service speaks protocol version 1, not 2 (it stops a minute "
                              "after its last program)");
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(30));
    EXPECT_EQ(client->other_version(), 1u);
    EXPECT_FALSE(client->connected());
    EXPECT_FALSE(Running()) << "a service of this version was started beside the older one";
}

}  // namespace
}  // namespace service_test

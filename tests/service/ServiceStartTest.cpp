// Starting the service on demand: it runs apart from the program that started it, and a start
// that cannot succeed says why at once instead of waiting out its time.
#include "tests/service/ServiceHarness.h"

#include <climits>
#include <sys/socket.h>

#include "machine/service/UnixAddress.h"
#include "machine/service/Wire.h"

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

// A service of an older build, still running: it refuses every request of this version.
class OlderService {
public:
    explicit OlderService(const fs::path& socket)
    {
        sockaddr_un address;
        machine::service::unix_address(socket, address);
        m_listen = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        bind(m_listen, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        listen(m_listen, 4);
        m_thread = std::thread([this] { serve(); });
    }
    ~OlderService()
    {
        shutdown(m_listen, SHUT_RDWR);
        m_thread.join();
        close(m_listen);
    }

private:
    void serve()
    {
        for (int client; (client = accept(m_listen, nullptr, nullptr)) >= 0; close(client)) {
            machine::service::FrameReader reader;
            std::uint8_t buffer[4096];
            for (ssize_t n; (n = recv(client, buffer, sizeof buffer, 0)) > 0;) {
                reader.append(buffer, static_cast<std::size_t>(n));
                nlohmann::json message;
                while (reader.next(message) == machine::service::FrameReader::Status::Message) {
                    const machine::service::Bytes reply = machine::service::frame(
                        {{"v", 1}, {"e", "protocol version 2 is not spoken here; this service speaks 1"}});
                    (void)!send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
                }
            }
        }
    }

    int m_listen = -1;
    std::thread m_thread;
};

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

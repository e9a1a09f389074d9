#include "machine/service/ServiceStarter.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "machine/service/RemoteMachine.h"
#include "machine/service/WaitFor.h"
#include "machine/service/Wire.h"

namespace machine::service {

namespace {

using SteadyClock = std::chrono::steady_clock;

// The service runs apart from the program that started it: its own session (a terminal's
// hang-up does not reach it), its output to its log, and only the readiness pipe inherited.
// posix_spawn does not copy the program's memory map as a fork would (milliseconds at start,
// with the display's libraries loaded). While the program runs, it reaps the service aside;
// after that, the system does. Returns 0 or the error of the spawn.
int spawn_detached(const ServiceLaunch& launch, int ready_write_end)
{
    std::vector<std::string> words = launch.arguments;
    words.insert(words.begin(), launch.program);
    words.push_back(kReadyFdOption);
    words.push_back(std::to_string(kReadyFd));
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const int log = launch.log.empty() ? -1 : open(launch.log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (log >= 0) {
        posix_spawn_file_actions_adddup2(&actions, log, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, log, STDERR_FILENO);
    } else if (!launch.log.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    }
    // A descriptor duplicated onto itself keeps its close-on-exec flag: the pipe is moved first.
    const int ready = ready_write_end == kReadyFd ? fcntl(ready_write_end, F_DUPFD_CLOEXEC, kReadyFd + 1) : ready_write_end;
    posix_spawn_file_actions_adddup2(&actions, ready, kReadyFd);
    posix_spawn_file_actions_addclosefrom_np(&actions, kReadyFd + 1);
    posix_spawn_file_actions_addchdir_np(&actions, "/");
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

    pid_t service = 0;
    const int error = ready < 0 ? errno : posix_spawn(&service, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (ready >= 0 && ready != ready_write_end)
        close(ready);
    if (log >= 0)
        close(log);
    if (error == 0)
        std::thread([service] { waitpid(service, nullptr, 0); }).detach();
    return error;
}

std::string other_version_problem(const RemoteMachine& machine)
{
    return "the running machine service speaks protocol version " + std::to_string(*machine.other_version()) +
           ", not " + std::to_string(kProtocolVersion) + " (it stops a minute after its last program)";
}

// True when the service reported that it listens; false when it ended or did not report in time.
bool wait_ready(int read_end, SteadyClock::time_point deadline)
{
    for (;;) {
        if (!wait_for(read_end, POLLIN, deadline))
            return false;
        char byte = 0;
        const ssize_t got = read(read_end, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        return got == 1 && byte == kReadyByte;
    }
}

}  // namespace

ServiceStart::ServiceStart(RemoteMachine& machine, ServiceLaunch launch, int timeout_ms)
    : m_machine(machine),
      m_launch(std::move(launch)),
      m_deadline(SteadyClock::now() + std::chrono::milliseconds(timeout_ms))
{
    if (m_machine.connect())
        return;
    // A service of another version holds the machine: a second one could not have it either.
    if (m_machine.other_version()) {
        m_problem = other_version_problem(m_machine);
        return;
    }
    int pipe_ends[2];
    if (pipe2(pipe_ends, O_CLOEXEC) != 0) {
        m_problem = "cannot make a pipe to start the machine service";
        return;
    }
    const int spawn_error = spawn_detached(m_launch, pipe_ends[1]);
    close(pipe_ends[1]);
    if (spawn_error != 0) {
        close(pipe_ends[0]);
        m_problem = "cannot start " + m_launch.program;
        return;
    }
    m_ready_fd = pipe_ends[0];
}

ServiceStart::~ServiceStart()
{
    if (m_ready_fd >= 0)
        close(m_ready_fd);
}

std::string ServiceStart::finish()
{
    if (m_ready_fd < 0)
        return m_problem;
    const bool ready = wait_ready(m_ready_fd, m_deadline);
    close(m_ready_fd);
    m_ready_fd = -1;
    if (!ready) {
        if (!m_machine.connect())
            m_problem = m_machine.other_version() ? other_version_problem(m_machine)
                                                  : m_launch.program + " did not start the machine service";
        return m_problem;
    }
    // Another service that holds the machine may still be on its way to listening: short
    // waits, doubling, until it answers.
    std::chrono::microseconds pause{200};
    while (!m_machine.connect()) {
        if (m_machine.other_version())
            return m_problem = other_version_problem(m_machine);
        if (SteadyClock::now() >= m_deadline)
            return m_problem = "the machine service does not answer on " + m_machine.socket().string();
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds{20'000});
    }
    return {};
}

std::string connect_or_start(RemoteMachine& machine, const ServiceLaunch& launch, int timeout_ms)
{
    return ServiceStart(machine, launch, timeout_ms).finish();
}

}  // namespace machine::service

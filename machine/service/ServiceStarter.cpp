#include "machine/service/ServiceStarter.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "machine/service/RemoteMachine.h"

namespace machine::service {

namespace {

using SteadyClock = std::chrono::steady_clock;

// The service runs apart from the program that started it: its own session (a terminal's
// hang-up does not reach it), no parent to reap it (the middle process ends at once), its
// output to its log, and only the readiness pipe inherited.
int spawn_detached(const ServiceLaunch& launch, int ready_write_end)
{
    const int log = launch.log.empty() ? -1 : open(launch.log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    std::vector<std::string> words = launch.arguments;
    words.insert(words.begin(), launch.program);
    words.push_back(kReadyFdOption);
    words.push_back(std::to_string(kReadyFd));
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t middle = fork();
    if (middle < 0) {
        const int error = errno;
        if (log >= 0)
            close(log);
        return error;
    }
    if (middle == 0) {
        // Only async-signal-safe calls from here to exec: the parent may have threads.
        const pid_t service = fork();
        if (service != 0)
            _exit(service < 0 ? 1 : 0);
        setsid();
        if (chdir("/") != 0)
            _exit(127);
        const int null = open("/dev/null", O_RDWR);
        if (null >= 0)
            dup2(null, STDIN_FILENO);
        const int output = log >= 0 ? log : null;
        if (!launch.log.empty() && output >= 0) {
            dup2(output, STDOUT_FILENO);
            dup2(output, STDERR_FILENO);
        }
        if (ready_write_end == kReadyFd)
            fcntl(kReadyFd, F_SETFD, 0);
        else
            dup2(ready_write_end, kReadyFd);
        close_range(kReadyFd + 1, ~0U, 0);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (log >= 0)
        close(log);
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : ECHILD;
}

int remaining_ms(SteadyClock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyClock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// True when the service reported that it listens; false when it ended or did not report in time.
bool wait_ready(int read_end, SteadyClock::time_point deadline)
{
    for (;;) {
        pollfd p{read_end, POLLIN, 0};
        const int n = poll(&p, 1, remaining_ms(deadline));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        char byte = 0;
        const ssize_t got = read(read_end, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        return got == 1 && byte == kReadyByte;
    }
}

}  // namespace

std::string connect_or_start(RemoteMachine& machine, const ServiceLaunch& launch, int timeout_ms)
{
    if (machine.connect())
        return {};
    const auto deadline = SteadyClock::now() + std::chrono::milliseconds(timeout_ms);
    int pipe_ends[2];
    if (pipe2(pipe_ends, O_CLOEXEC) != 0)
        return "cannot make a pipe to start the machine service";
    const int spawn_error = spawn_detached(launch, pipe_ends[1]);
    close(pipe_ends[1]);
    const bool ready = spawn_error == 0 && wait_ready(pipe_ends[0], deadline);
    close(pipe_ends[0]);
    if (spawn_error != 0)
        return "cannot start " + launch.program;
    if (!ready)
        return machine.connect() ? std::string() : launch.program + " did not start the machine service";
    // Another service that holds the machine may still be on its way to listening: short
    // waits, doubling, until it answers.
    std::chrono::microseconds pause{200};
    while (!machine.connect()) {
        if (SteadyClock::now() >= deadline)
            return "the machine service does not answer on " + machine.socket().string();
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds{20'000});
    }
    return {};
}

}  // namespace machine::service

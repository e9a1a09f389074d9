#pragma once
// Starting the machine service on demand: the first program on a machine starts it, and
// every later one finds it. The service tells when it listens through a pipe, so the
// starter waits exactly as long as the start takes.

#include <chrono>
#include <string>
#include <vector>

namespace machine::service {

class RemoteMachine;

// The program that serves a machine, and its arguments (which machine, where it is kept).
struct ServiceLaunch {
    std::string program;
    std::vector<std::string> arguments;
    // Where its standard output and error go; empty: the starter's own. A service outlives
    // the program that started it and must not hold that program's terminal or pipes open.
    std::string log;
};

// The option by which the service is given the pipe to report readiness on.
constexpr const char* kReadyFdOption = "--ready-fd";
// The descriptor the started service finds that pipe at.
constexpr int kReadyFd = 3;
// The byte the service writes once it listens (or found another service already there).
constexpr char kReadyByte = '1';

// Connects a machine to its service, starting the service when none listens, in two steps: the
// start goes on while its program does other work (opening its display), and `finish` waits
// for what is left of it.
class ServiceStart {
public:
    // Connects `machine`, or starts the service with `launch` without waiting for it. The
    // start may take `timeout_ms` from now.
    ServiceStart(RemoteMachine& machine, ServiceLaunch launch, int timeout_ms);
    ~ServiceStart();
    ServiceStart(const ServiceStart&) = delete;
    ServiceStart& operator=(const ServiceStart&) = delete;

    // Waits until the machine is connected or the time is up. Returns what failed, or "".
    std::string finish();

private:
    RemoteMachine& m_machine;
    ServiceLaunch m_launch;
    std::chrono::steady_clock::time_point m_deadline;
    int m_ready_fd = -1;
    std::string m_problem;
};

// Both steps at once: returns what failed, or "".
std::string connect_or_start(RemoteMachine& machine, const ServiceLaunch& launch, int timeout_ms);

}  // namespace machine::service

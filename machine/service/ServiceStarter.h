#pragma once
// Starting the machine service on demand: the first program on a machine starts it, and
// every later one finds it. The service tells when it listens through a pipe, so the
// starter waits exactly as long as the start takes.

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

// Connects `machine` to its service, starting the service with `launch` when none listens.
// Waits at most `timeout_ms`. Returns what failed, or "".
std::string connect_or_start(RemoteMachine& machine, const ServiceLaunch& launch, int timeout_ms);

}  // namespace machine::service

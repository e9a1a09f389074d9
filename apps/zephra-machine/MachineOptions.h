#pragma once
// The command line of `zephra-machine`: the service that owns a machine, and `ctl`, the
// command that looks at and changes it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "apps/cli/CommandLine.h"
#include "apps/cli/Manual.h"

namespace machine_app {

struct MachineOptions {
    std::string scenario_file;  // empty: the built-in default machine
    std::string machine_dir;    // empty: the machine's own directory under the user's state home
    bool fresh = false;
    std::string idle_stop;      // seconds without a client before the service stops
    std::string ready_fd;       // where to report that the service listens
    bool json = false;          // ctl: answers as JSON
    bool help = false;
    std::vector<std::string> command;  // "ctl" and what follows it
    std::string error;
};

constexpr std::uint64_t kDefaultIdleStopMs = 60'000;

MachineOptions ParseMachineOptions(int argc, const char* const* argv);
std::string MachineUsageText();
const cli::Manual& MachineManual();

// The machine's state directory the options name ("" when there is none to keep it in).
std::string MachineDirectory(const MachineOptions& options);
// --idle-stop in milliseconds; nothing when it is not a number of seconds.
std::optional<std::uint64_t> IdleStopMs(const MachineOptions& options);

}  // namespace machine_app

#include "apps/zephra-machine/MachineOptions.h"

#include <charconv>
#include <cmath>

#include "machine/StateDirectory.h"

namespace machine_app {

namespace {

const std::vector<cli::Option<MachineOptions>>& OptionTable()
{
    static const std::vector<cli::Option<MachineOptions>> table = {
        {{"--scenario", "", "FILE", "a file name",
          "the machine to serve, a JSON scenario (default: the built-in one)"},
         &MachineOptions::scenario_file},
        {{"--machine-dir", "", "DIR", "a folder", "the machine kept in DIR instead of its own directory"},
         &MachineOptions::machine_dir},
        {{"--fresh", "", "", "", "start from the scenario's initial state, replacing the kept one"},
         &MachineOptions::fresh},
        {{"--idle-stop", "", "SECONDS", "a number of seconds",
          "stop once no program has been connected for SECONDS (default: 60)"},
         &MachineOptions::idle_stop},
        {{"--ready-fd", "", "FD", "a file descriptor",
          "write one byte to FD once the service listens (for the program that starts it)"},
         &MachineOptions::ready_fd},
        {{"--json", "", "", "", "with ctl: print the answer as JSON, for scripts"}, &MachineOptions::json},
        {{"--help", "-h", "", "", "print the usage and the options, then exit"}, &MachineOptions::help},
    };
    return table;
}

}  // namespace

MachineOptions ParseMachineOptions(int argc, const char* const* argv)
{
    MachineOptions options;
    std::vector<std::string> operands;
    options.error = cli::ParseCommandLine(OptionTable(), argc, argv, options, &operands);
    if (!options.error.empty() || operands.empty())
        return options;
    if (operands.front() != "ctl") {
        options.error = "unknown command: " + operands.front() + " (the only command is ctl)";
        return options;
    }
    // Options may follow "ctl" too, up to the ctl command itself.
    std::vector<const char*> rest;
    for (const std::string& word : operands)
        rest.push_back(word.c_str());
    options.error = cli::ParseCommandLine(OptionTable(), static_cast<int>(rest.size()), rest.data(), options,
                                          &options.command);
    options.command.insert(options.command.begin(), "ctl");
    return options;
}

std::string MachineUsageText() { return cli::UsageText(MachineManual()); }

const cli::Manual& MachineManual()
{
    static const cli::Manual manual{
        .program = "zephra-machine",
        .purpose = "the simulated machine that zephra and zephra-devmgr share, and its control command",
        .description = {
            "Runs one simulated machine (its wireless adapter and radio world, its registry, the driver service, "
            "its clock) as a service for the user's programs, or with ctl looks at and changes the machine that "
            "runs.",
            "zephra(1) and zephra-devmgr(1) use the service of their machine when one runs and start it when none "
            "does, so that both see one adapter and one registry; their --in-process option keeps a machine of "
            "their own instead. The service listens on a socket in $XDG_RUNTIME_DIR/zephra/ that only its user can "
            "reach, keeps the machine's state in the machine's directory (as zephra(1) describes), and stops, "
            "saving that state, once no program has been connected for a while, or at once on SIGTERM or SIGINT.",
            "The ctl command reaches the service of the machine its options name (by default the built-in "
            "machine). It prints its answer for a person, or as JSON with --json, and exits with status 1 when "
            "no service runs or the machine refuses the change, 2 for a bad command line.",
        },
        .options = cli::Texts(OptionTable()),
        .operands = "[ctl COMMAND [ARGUMENT...]]",
        .commands = {
            {"ctl status", "The adapter (present, bound), the network it is joined to with its signal, the driver "
                           "service's state, the traffic counters and the faults that are on."},
            {"ctl networks", "The radio world: every network with its BSSID, name, channel, signal, mode, "
                             "privacy and whether it is on."},
            {"ctl unplug, ctl plug", "Pull the card out, put it back."},
            {"ctl service stop|start", "Stop or start the protocol driver's service."},
            {"ctl signal BSSID DBM", "The network BSSID is now heard at DBM (-120 to -10)."},
            {"ctl switch-off BSSID, ctl switch-on BSSID", "Switch the network BSSID off or on."},
            {"ctl add-network JSON", "Add a network, given as in a scenario's wireless networks list: "
                                     "{\"bssid\": \"02:00:00:00:00:09\", \"ssid\": \"Pier\", \"channel\": 6, "
                                     "\"signal_dbm\": -60}."},
            {"ctl fault NAME on|off", "Switch the fault NAME on or off; ctl faults lists every name. code:HEX "
                                      "fails a device-control code, oid:HEX an object identifier."},
            {"ctl faults", "The faults the machine knows, with what each does."},
            {"ctl traffic TX RX", "The adapter now sends TX and receives RX bytes per second while joined."},
        },
        .environment = {
            {"XDG_STATE_HOME", "Where a machine's lasting state is kept; ~/.local/state when unset."},
            {"XDG_RUNTIME_DIR", "Where the service's socket is; /tmp/zephra-UID when unset, used only when it "
                                "is a directory of the user's own that no one else may enter."},
        },
        .files = {
            {"$XDG_RUNTIME_DIR/zephra/machine-CODE.sock",
             "The socket of the service of one machine, CODE naming the machine's directory; mode 0600."},
            {"$XDG_RUNTIME_DIR/zephra/machine-CODE.lock",
             "Held by the running service of that machine; it holds the service's process id."},
            {"$XDG_RUNTIME_DIR/zephra/machine-CODE.log",
             "What a service that a program started says: requests it refused, failures. A service started by "
             "hand writes to its standard error instead."},
        },
        .see_also = {"zephra(1)", "zephra-devmgr(1)"},
    };
    return manual;
}

std::string MachineDirectory(const MachineOptions& options)
{
    return options.machine_dir.empty() ? machine::machine_state_directory(options.scenario_file) : options.machine_dir;
}

std::optional<std::uint64_t> IdleStopMs(const MachineOptions& options)
{
    if (options.idle_stop.empty())
        return kDefaultIdleStopMs;
    double seconds = 0;
    const char* end = options.idle_stop.data() + options.idle_stop.size();
    const auto [rest, error] = std::from_chars(options.idle_stop.data(), end, seconds);
    constexpr double kMaxSeconds = 86'400.0 * 365;
    if (error != std::errc() || rest != end || !(seconds >= 0) || seconds > kMaxSeconds)
        return std::nullopt;
    return static_cast<std::uint64_t>(std::llround(seconds * 1000));
}

}  // namespace machine_app

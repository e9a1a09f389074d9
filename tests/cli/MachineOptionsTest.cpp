// The command line of zephra-machine: the service's options, and ctl with its command, whose
// arguments may look like options.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/zephra-machine/MachineOptions.h"

namespace {

struct Case {
    std::vector<const char*> args;
    std::vector<std::string> command;
    bool json;
    std::string machine_dir;
    std::string error;
};

TEST(MachineOptions, ReadsTheServiceOptionsAndTheCtlCommand)
{
    const Case cases[] = {
        {{}, {}, false, "", ""},
        {{"--machine-dir", "m", "--idle-stop", "5"}, {}, false, "m", ""},
        {{"ctl", "status"}, {"ctl", "status"}, false, "", ""},
        {{"--json", "ctl", "status"}, {"ctl", "status"}, true, "", ""},
        {{"ctl", "--json", "--machine-dir=m", "status"}, {"ctl", "status"}, true, "m", ""},
        // A signal level is an argument, not an option.
        {{"ctl", "signal", "02:48:42:00:01:02", "-70"}, {"ctl", "signal", "02:48:42:00:01:02", "-70"}, false, "", ""},
        {{"ctl"}, {"ctl"}, false, "", ""},
        {{"serve"}, {}, false, "", "unknown command: serve (the only command is ctl)"},
        {{"ctl", "--loud", "status"}, {}, false, "", "unknown option: --loud"},
        {{"--idle-stop"}, {}, false, "", "--idle-stop needs a number of seconds"},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv = c.args;
        argv.insert(argv.begin(), "zephra-machine");
        SCOPED_TRACE(c.args.empty() ? std::string("(none)") : std::string(c.args.front()));
        const machine_app::MachineOptions options =
            machine_app::ParseMachineOptions(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(options.error, c.error);
        if (!c.error.empty())
            continue;
        EXPECT_EQ(options.command, c.command);
        EXPECT_EQ(options.json, c.json);
        EXPECT_EQ(options.machine_dir, c.machine_dir);
    }
}

TEST(MachineOptions, IdleStopIsANumberOfSeconds)
{
    const std::pair<const char*, std::optional<std::uint64_t>> rows[] = {
        {"", machine_app::kDefaultIdleStopMs}, {"60", 60'000}, {"0.25", 250}, {"0", 0},
        {"-1", std::nullopt}, {"soon", std::nullopt}, {"5s", std::nullopt}, {"nan", std::nullopt},
    };
    for (const auto& [text, expected] : rows) {
        machine_app::MachineOptions options;
        options.idle_stop = text;
        EXPECT_EQ(machine_app::IdleStopMs(options), expected) << text;
    }
}

}  // namespace

// Both programs, run as a person runs them, with a bad value for each option: one line that
// names the problem, exit code 2, and nothing else (after a bad command line, the usage).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "tests/cli/TextLines.h"

namespace {

struct Outcome {
    int status = -1;
    std::string errors;
};

// Headless, in `folder`, with its own state and run-time folders; a hang fails as a timeout.
Outcome RunProgram(const std::string& folder, const std::string& program, const std::vector<std::string>& args)
{
    std::string command = "cd '" + folder + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_STATE_HOME='" +
                          folder + "/state' XDG_RUNTIME_DIR='" + folder + "/run' timeout 60 " ZEPHRA_BIN_DIR "/" +
                          program;
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    command += " 2>&1 >/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    Outcome run;
    char buffer[512];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr)
        run.errors += buffer;
    run.status = pipe ? pclose(pipe.release()) : -1;
    return run;
}

struct Row {
    std::vector<std::string> args;
    std::string message;  // the one line, after "PROGRAM: "
    bool usage_follows = false;
    const char* only = nullptr;  // the one program the row is for, else both
};

TEST(BadInput, EveryOptionWithABadValueGivesOneLineAndExitCodeTwo)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(testing::TempDir()) / "zephra-bad-input";
    fs::remove_all(folder);
    fs::create_directories(folder / "run");
    fs::permissions(folder / "run", fs::perms::owner_all);
    std::ofstream(folder / "not-json.json") << "{\"os\": ";
    std::ofstream(folder / "channel0.json")
        << R"({"wireless": {"networks": [{"bssid": "02:00:00:00:00:01", "ssid": "a", "channel": 0, "signal_dbm": -50}]}})";
    std::ofstream(folder / "a-file") << "x";

    const std::string channel0 = "channel0.json: scenario field wireless.networks[0].channel: expected an integer from 1 to 14";
    const Row rows[] = {
        {{"--scenario"}, "--scenario needs a file name", true},
        {{"--snapshot="}, "--snapshot needs a folder", true},
        {{"--bogus"}, "unknown option: --bogus", true},
        {{"--fresh=yes"}, "unknown option: --fresh=yes", true},
        {{"--scenario", "missing.json", "--snapshot", "pictures"}, "cannot open scenario file missing.json"},
        {{"--scenario", "not-json.json", "--snapshot", "pictures"}, "not-json.json: scenario is not valid JSON"},
        {{"--scenario", "channel0.json", "--snapshot", "pictures"}, channel0},
        {{"--scenario", "channel0.json"}, channel0, false, "zephra"},
        {{"--snapshot", "a-file"}, "cannot create a-file"},
        {{"--machine-dir", "a-file"}, "--machine-dir a-file: not a folder the machine's state can be kept in"},
        {{"--machine-dir", "/proc/zephra"}, "--machine-dir /proc/zephra: not a folder the machine's state can be kept in"},
    };
    for (const char* program : {"zephra", "zephra-devmgr"}) {
        for (const Row& row : rows) {
            if (row.only != nullptr && std::string(row.only) != program)
                continue;
            const Outcome run = RunProgram(folder.string(), program, row.args);
            SCOPED_TRACE(std::string(program) + " " + row.args.front() + (row.args.size() > 1 ? " " + row.args[1] : ""));
            ASSERT_TRUE(WIFEXITED(run.status)) << run.errors;
            EXPECT_EQ(WEXITSTATUS(run.status), 2) << run.errors;
            const std::vector<std::string> lines = cli_test::Lines(run.errors);
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.front(), std::string(program) + ": " + row.message);
            if (row.usage_follows)
                EXPECT_EQ(lines.at(1).rfind(std::string("Usage: ") + program, 0), 0u) << run.errors;
            else
                EXPECT_EQ(lines.size(), 1u) << run.errors;
        }
    }
    fs::remove_all(folder);
}

}  // namespace

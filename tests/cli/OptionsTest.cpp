// The command line of zephra, read through its option table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/zephra/Options.h"

namespace {

struct Case {
    std::vector<const char*> args;
    std::string scenario;
    std::string snapshot;
    bool help;
    std::string error;
};

zephra_app::Options Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "zephra");
    return zephra_app::ParseOptions(static_cast<int>(args.size()), args.data());
}

TEST(ZephraOptions, ReadsValuesSwitchesAndReportsTheFirstBadArgument)
{
    const Case cases[] = {
        {{}, "", "", false, ""},
        {{"--scenario", "a.json"}, "a.json", "", false, ""},
        {{"--scenario=a.json", "--snapshot=pics"}, "a.json", "pics", false, ""},
        {{"--snapshot", "pics", "-h"}, "", "pics", true, ""},
        {{"--help"}, "", "", true, ""},
        // A value is taken as it is, even when it looks like an option.
        {{"--scenario", "--help"}, "--help", "", false, ""},
        {{"--scenario"}, "", "", false, "--scenario needs a file name"},
        {{"--scenario="}, "", "", false, "--scenario needs a file name"},
        {{"--scenario", ""}, "", "", false, "--scenario needs a file name"},
        {{"--snapshot"}, "", "", false, "--snapshot needs a folder"},
        {{"--scenarios=a.json"}, "", "", false, "unknown option: --scenarios=a.json"},
        {{"--help=yes"}, "", "", false, "unknown option: --help=yes"},
        {{"stray", "--scenario"}, "", "", false, "unknown option: stray"},
    };
    for (const Case& c : cases) {
        const zephra_app::Options options = Parse(c.args);
        SCOPED_TRACE(c.args.empty() ? std::string("(none)") : std::string(c.args.front()));
        EXPECT_EQ(options.error, c.error);
        if (!c.error.empty())
            continue;
        EXPECT_EQ(options.scenario_file, c.scenario);
        EXPECT_EQ(options.snapshot_folder, c.snapshot);
        EXPECT_EQ(options.help, c.help);
    }
}

}  // namespace

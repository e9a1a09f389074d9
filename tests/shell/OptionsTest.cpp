#include <gtest/gtest.h>

#include <vector>

#include "apps/zephra/Options.h"

namespace {

zephra_app::Options Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "zephra");
    return zephra_app::ParseOptions(static_cast<int>(args.size()), args.data());
}

}  // namespace

TEST(Options, TheMachineDirectoryAndAFreshStart)
{
    zephra_app::Options o = Parse({"--scenario", "a.json", "--machine-dir", "/tmp/m", "--fresh"});
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.scenario_file, "a.json");
    EXPECT_EQ(o.machine_dir, "/tmp/m");
    EXPECT_TRUE(o.fresh);
    machine::MachineStorage storage = zephra_app::MachineStorageFor(o);
    EXPECT_EQ(storage.directory, "/tmp/m");
    EXPECT_TRUE(storage.fresh);

    EXPECT_EQ(Parse({"--machine-dir=/tmp/n"}).machine_dir, "/tmp/n");
    EXPECT_EQ(Parse({"--machine-dir"}).error, "--machine-dir needs a folder");
    EXPECT_EQ(Parse({"--machine-dir="}).error, "--machine-dir needs a folder");
    EXPECT_EQ(Parse({"--scenario"}).error, "--scenario needs a file name");
    EXPECT_EQ(Parse({"--fresh=yes"}).error, "unknown option: --fresh=yes");
}

TEST(Options, ASnapshotKeepsNothing)
{
    zephra_app::Options o = Parse({"--snapshot", "/tmp/pictures", "--machine-dir", "/tmp/m"});
    EXPECT_EQ(zephra_app::MachineStorageFor(o).directory, "");
}

TEST(Options, TheHelpListsTheMachineOptions)
{
    const std::string usage = zephra_app::UsageText();
    for (const char* option : {"--scenario FILE", "--machine-dir DIR", "--fresh", "--snapshot DIR", "--help"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

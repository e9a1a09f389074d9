// The machine's registry outlives the program: what one run writes, the next one reads,
// and the adapter's driver starts with it.
#include <gtest/gtest.h>

#include <filesystem>

#include "driver/PrtUtil.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/adapter/SimulatedAdapter.h"
#include "platform/MachineScope.h"
#include "registry/DriverParams.h"
#include "registry/Registry.h"

namespace {

class PersistenceTest : public testing::Test {
protected:
    PersistenceTest()
    {
        std::string pattern = testing::TempDir() + "zephra-machine-XXXXXX";
        directory = mkdtemp(pattern.data());
        prt.m_nAdapterModel = 1;
    }
    ~PersistenceTest() override { std::filesystem::remove_all(directory); }

    // One run of the program on the default machine kept in `directory`.
    struct Run {
        Run(const std::string& directory, bool fresh = false)
            : computer(machine::default_scenario(), clock, {directory, fresh}), scope(computer)
        {
        }
        std::string joined()
        {
            return dynamic_cast<machine::SimulatedAdapter&>(computer.adapter()).associated_ssid();
        }
        machine::VirtualClock clock;
        machine::Machine computer;
        platform::MachineScope scope;
    };

    std::string directory;
    CPrtUtil prt;
};

}  // namespace

TEST_F(PersistenceTest, TheDefaultMachineStartedAgainKeepsWhatTheFirstRunWrote)
{
    {
        Run first(directory);
        EXPECT_EQ(first.computer.state_directory(), directory);
        WriteDriverParam(prt, "ESSID", "Backroom");
        CRegistry profile;
        ASSERT_TRUE(profile.CreateKey(HKEY_LOCAL_MACHINE, "Software\\Norvel\\KX710\\Profiles\\Backroom"));
        ASSERT_TRUE(profile.WriteDword("WepAuto", 1));
    }
    Run second(directory);
    EXPECT_EQ(ReadDriverParam(prt, "ESSID"), "Backroom");
    // The driver read its key when the machine started: it joins the network last connected to.
    EXPECT_EQ(second.joined(), "Backroom");
    CRegistry profile;
    DWORD automatic = 0;
    ASSERT_TRUE(profile.OpenKey(HKEY_LOCAL_MACHINE, "Software\\Norvel\\KX710\\Profiles\\Backroom", KEY_READ));
    EXPECT_TRUE(profile.ReadDword("WepAuto", automatic));
    EXPECT_EQ(automatic, 1u);
}

TEST_F(PersistenceTest, AClosedKeyIsOnDiskBeforeTheMachineStops)
{
    Run first(directory);
    WriteDriverParam(prt, "TransmitRate", "8");
    // A second machine on the same directory, as another process would be.
    machine::VirtualClock clock;
    machine::Machine other(machine::default_scenario(), clock, {directory, false});
    EXPECT_EQ(other.wireless_driver_parameters().at("TransmitRate"), "8");
}

TEST_F(PersistenceTest, AFreshStartForgetsTheKeptState)
{
    {
        Run first(directory);
        WriteDriverParam(prt, "ESSID", "Backroom");
    }
    Run fresh(directory, true);
    EXPECT_EQ(ReadDriverParam(prt, "ESSID"), "");
    EXPECT_EQ(fresh.joined(), "Lakeside");
}

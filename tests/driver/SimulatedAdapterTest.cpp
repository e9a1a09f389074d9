// The driver against the default machine's simulated adapter: what a user of the default
// machine sees through the whole path, protocol driver included.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "driver/PrtUtil.h"
#include "support/MachineFixture.h"

namespace {

class SimulatedAdapterTest : public testing::Test {
protected:
    SimulatedAdapterTest() { prt.OpenSession(); }
    ~SimulatedAdapterTest() override { prt.CloseSession(); }

    zephra_test::MachineFixture fixture;
    CPrtUtil prt;
};

TEST_F(SimulatedAdapterTest, DefaultMachineIsBoundAndJoinedToItsOpenNetwork)
{
    ASSERT_EQ(prt.m_bBound, 1);
    prt.QueryLinkStatus();
    prt.QuerySsid();
    prt.QueryBssid();
    prt.QueryChannel();
    prt.QueryEncryption();
    prt.QueryRssi();
    EXPECT_EQ(prt.m_strLinkStatus, " Connected ");
    EXPECT_EQ(prt.m_strSsid, " Lakeside");
    EXPECT_EQ(prt.m_strBssid, "02:4C:4B:00:06:01");
    EXPECT_EQ(prt.m_strChannel, " 6 ");
    EXPECT_EQ(prt.m_strEncryption, " Disabled ");
    EXPECT_LT(prt.m_nRssi, -40);
    EXPECT_GT(prt.m_nRssi, -70);
}

TEST_F(SimulatedAdapterTest, ScanListsTheNetworksInRangeAfterItsTime)
{
    prt.StartScan();
    fixture.clock.advance(3000);
    prt.QueryBssidList();
    ASSERT_NE(prt.m_pBssidList, nullptr);
    DWORD count = 0;
    std::memcpy(&count, prt.m_pBssidList, 4);
    ASSERT_GE(count, 7u);
    ASSERT_LE(count, 28u);
    std::multiset<std::string> names;
    for (DWORD i = 0; i < count; ++i)
        names.insert(reinterpret_cast<const char*>(prt.m_pBssidList + 4 + 104 * i + 16));
    EXPECT_EQ(names.count("Corner-Cafe"), 2u);  // one access point reported twice
    EXPECT_EQ(names.count(""), 1u);             // the one that hides its name
    EXPECT_EQ(names.count("Lakeside"), 1u);
}

TEST_F(SimulatedAdapterTest, JoiningAnotherOpenNetworkFollowsTheSetOrder)
{
    prt.SetWepStatus(0);
    prt.SetNetworkMode(0);
    prt.SetSsid("PicnicNet");
    fixture.clock.advance(1000);
    prt.QuerySsid();
    prt.QueryNetworkMode();
    prt.QueryChannel();
    EXPECT_EQ(prt.m_strSsid, " PicnicNet");
    EXPECT_EQ(prt.m_strNetworkMode, " Ad-hoc ");
    EXPECT_EQ(prt.m_strChannel, " 3 ");
}

TEST(SimulatedAdapterScenario, BadRadioWorldIsRefusedWithItsFieldNamed)
{
    auto load = machine::parse_scenario(R"({"wireless": {"networks": [{"ssid": "x", "channel": 99}]}})");
    EXPECT_FALSE(load.scenario);
    EXPECT_NE(load.error.find("wireless.networks[0]"), std::string::npos) << load.error;
}

}  // namespace

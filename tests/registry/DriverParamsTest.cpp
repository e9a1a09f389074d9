#include <gtest/gtest.h>

#include "driver/PrtUtil.h"
#include "registry/DriverParams.h"
#include "registry/Registry.h"
#include "support/MachineFixture.h"

namespace {

constexpr const char* kNtClass = "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
constexpr const char* kAdapterKey =
    "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0001";

CString ReadValue(const char* path, const char* name)
{
    CRegistry r;
    CString text;
    if (r.OpenKey(HKEY_LOCAL_MACHINE, path, KEY_READ))
        r.ReadString(name, text);
    return text;
}

}  // namespace

TEST(DriverParams, TheModelChoosesTheDescription)
{
    EXPECT_STREQ(AdapterDescription(0), "VELTRIX WLAN MiniPCI/Cardbus(VTX-4100)");
    EXPECT_STREQ(AdapterDescription(1), "Norvel WLAN 802.11B KX710");
    EXPECT_STREQ(AdapterDescription(7), "Norvel WLAN 802.11B KX710");
}

TEST(DriverParams, ReadAndWriteTheAdaptersOwnKey)
{
    zephra_test::MachineFixture f;
    CPrtUtil prt;
    prt.m_nAdapterModel = 1;
    EXPECT_EQ(DriverKeyPath(prt), kAdapterKey);
    EXPECT_EQ(ReadDriverParam(prt, "TransmitRate"), "15");
    WriteDriverParam(prt, "TransmitRate", "8");
    WriteDriverParam(prt, "ESSID", "Harbour-Office");
    EXPECT_EQ(ReadDriverParam(prt, "TransmitRate"), "8");
    EXPECT_EQ(ReadValue(kAdapterKey, "ESSID"), "Harbour-Office");
    EXPECT_EQ(ReadDriverParam(prt, "DefaultKeys"), "");
}

TEST(DriverParams, WithoutAMatchingKeyNothingIsReadOrWrittenInTheClassKey)
{
    zephra_test::MachineFixture f;
    {
        CRegistry r;
        ASSERT_TRUE(r.OpenKey(HKEY_LOCAL_MACHINE, kNtClass, KEY_ALL_ACCESS));
        ASSERT_TRUE(r.WriteString("TransmitRate", "1"));
    }
    CPrtUtil prt;
    prt.m_nAdapterModel = 0;  // no VELTRIX card on this machine
    EXPECT_EQ(DriverKeyPath(prt), "");
    EXPECT_EQ(ReadDriverParam(prt, "TransmitRate"), "");
    WriteDriverParam(prt, "ESSID", "Lakeside");
    EXPECT_EQ(ReadValue(kNtClass, "ESSID"), "");
    EXPECT_EQ(ReadValue(kNtClass, "TransmitRate"), "1");
}

TEST(DriverParams, ALimitedUserReadsNothingAndWritesNothing)
{
    machine::Scenario s = machine::default_scenario();
    s.limited_user = true;
    zephra_test::MachineFixture f(s);
    CPrtUtil prt;
    prt.m_nAdapterModel = 1;
    // The key is found, but full access is refused, for reading too.
    EXPECT_EQ(DriverKeyPath(prt), kAdapterKey);
    EXPECT_EQ(ReadDriverParam(prt, "TransmitRate"), "");
    WriteDriverParam(prt, "TransmitRate", "1");
    EXPECT_EQ(ReadValue(kAdapterKey, "TransmitRate"), "15");
}

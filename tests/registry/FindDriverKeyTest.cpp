#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/Registry.h"
#include "support/MachineFixture.h"

namespace {

constexpr const char* kKx710 = "Norvel WLAN 802.11B KX710";
constexpr const char* kNtClass = "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
constexpr int kXp = 4;

// A machine whose network class holds the given sub-keys, each with its DriverDesc ("" none).
class FindDriverKeyTest : public testing::Test {
protected:
    FindDriverKeyTest() : f(NoDevices()) {}

    static machine::Scenario NoDevices()
    {
        machine::Scenario s = machine::default_scenario();
        s.class_devices.clear();
        return s;
    }

    void Add(const std::string& name, const char* description)
    {
        CRegistry r;
        ASSERT_TRUE(r.CreateKey(HKEY_LOCAL_MACHINE, CString(kNtClass) + name.c_str()));
        if (*description) {
            ASSERT_TRUE(r.WriteString("DriverDesc", description));
        }
    }

    zephra_test::MachineFixture f;
};

std::string Index(int i)
{
    char name[8];
    std::snprintf(name, sizeof name, "%04d", i);
    return name;
}

}  // namespace

TEST_F(FindDriverKeyTest, StopsAtTheFirstMatchAndClosesIt)
{
    Add("0000", "Fast Ethernet Controller");
    Add("0001", kKx710);
    Add("0002", kKx710);
    CRegistry r;
    EXPECT_EQ(r.FindDriverKey(kKx710, kXp), CString(kNtClass) + "0001");
    EXPECT_EQ(r.m_keyPath, CString(kNtClass) + "0001");  // the last key it opened
    EXPECT_EQ(r.m_hKey, nullptr);
}

TEST_F(FindDriverKeyTest, FourDigitNamesReachTheEleventhAndTheHundredAndFirstKey)
{
    for (int i = 0; i <= 100; ++i)
        Add(Index(i), "Other adapter");
    for (const char* name : {"0010", "0100"}) {
        Add(name, kKx710);
        CRegistry r;
        EXPECT_EQ(r.FindDriverKey(kKx710, kXp), CString(kNtClass) + name);
        Add(name, "Other adapter");
    }
}

TEST_F(FindDriverKeyTest, AGapHidesTheKeysPastTheCount)
{
    Add("0000", "Fast Ethernet Controller");
    Add("0001", "");  // no DriverDesc: the text of 0000 carries over and does not match
    Add("0003", kKx710);
    CRegistry r;
    EXPECT_EQ(r.FindDriverKey(kKx710, kXp), kNtClass);
    EXPECT_EQ(r.m_keyPath, CString(kNtClass) + "0002");
}

TEST_F(FindDriverKeyTest, WithoutSubKeysOrWithoutTheClassTheClassPathComesBack)
{
    CRegistry r;
    EXPECT_EQ(r.FindDriverKey(kKx710, kXp), kNtClass);
    EXPECT_EQ(r.FindDriverKey(kKx710, 1), "System\\CurrentControlSet\\Services\\Class\\Net\\");
}

TEST(FindDriverKey, OnWindows98TheSearchRunsUnderTheNetClass)
{
    zephra_test::MachineFixture f(zephra_test::ScenarioOn("98"));
    CRegistry r;
    EXPECT_EQ(r.FindDriverKey(kKx710, 1), "System\\CurrentControlSet\\Services\\Class\\Net\\0001");
    EXPECT_EQ(r.FindDriverKey(kKx710, kXp), kNtClass);
}

TEST(FindDriverKey, TheBuiltInMachineHasTheAdaptersKey)
{
    zephra_test::MachineFixture f;
    CRegistry r;
    EXPECT_EQ(r.FindDriverKey(kKx710, kXp), CString(kNtClass) + "0001");
}

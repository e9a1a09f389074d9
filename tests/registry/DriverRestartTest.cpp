// A parameter written into the driver key takes effect when the driver next starts.
#include <gtest/gtest.h>

#include "driver/PrtUtil.h"
#include "machine/adapter/SimulatedAdapter.h"
#include "registry/DriverParams.h"
#include "support/MachineFixture.h"

namespace {

machine::SimulatedAdapter& Adapter(machine::Machine& m)
{
    return dynamic_cast<machine::SimulatedAdapter&>(m.adapter());
}

// The adapter's device, as discovery leaves it in the driver-access object.
void SelectAdapterDevice(CPrtUtil& prt)
{
    prt.m_hDevInfo = SetupDiGetClassDevsA(&GUID_DEVCLASS_NET, nullptr, nullptr, DIGCF_PRESENT);
    prt.m_devInfoData.cbSize = sizeof prt.m_devInfoData;
    ASSERT_TRUE(SetupDiEnumDeviceInfo(prt.m_hDevInfo, 1, &prt.m_devInfoData));
}

}  // namespace

TEST(DriverRestart, TheAdapterJoinsTheNetworkWrittenIntoItsKey)
{
    zephra_test::MachineFixture f;
    CPrtUtil prt;
    prt.m_nAdapterModel = 1;
    ASSERT_EQ(Adapter(f.machine).associated_ssid(), "Lakeside");

    WriteDriverParam(prt, "ESSID", "Backroom");
    EXPECT_EQ(Adapter(f.machine).associated_ssid(), "Lakeside");  // not before the driver restarts

    SelectAdapterDevice(prt);
    ASSERT_TRUE(prt.RestartDevice());
    EXPECT_EQ(Adapter(f.machine).associated_ssid(), "Backroom");

    // Taken out and put back, it reads its key again.
    WriteDriverParam(prt, "ESSID", "Lakeside");
    f.machine.remove_adapter();
    f.machine.insert_adapter();
    EXPECT_EQ(Adapter(f.machine).associated_ssid(), "Lakeside");
}

TEST(DriverRestart, AMachineStartsWithTheParametersOfTheDriverKey)
{
    machine::Scenario s = machine::default_scenario();
    s.class_devices[1].driver_parameters["ESSID"] = "Backroom";
    s.class_devices[1].driver_parameters["PSMode"] = "2";
    zephra_test::MachineFixture f(s);
    EXPECT_EQ(Adapter(f.machine).associated_ssid(), "Backroom");
    EXPECT_EQ(Adapter(f.machine).settings().power_mode, 2u);
}

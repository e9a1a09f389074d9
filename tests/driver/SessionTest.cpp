#include <gtest/gtest.h>

#include <algorithm>

#include "driver/PrtIoctl.h"
#include "driver/PrtUtil.h"
#include "support/MachineFixture.h"

namespace {

using machine::ServiceState;
using zephra_test::MachineFixture;
using zephra_test::ScenarioOn;

int CountOf(const machine::Machine& m, DWORD code)
{
    return static_cast<int>(std::count_if(m.request_log().begin(), m.request_log().end(),
                                          [code](const machine::LoggedRequest& r) { return r.code == code; }));
}

class SessionOnEachSystem : public testing::TestWithParam<const char*> {};

TEST_P(SessionOnEachSystem, OpensBindsRebindsAfterAnUnbindEventAndCloses)
{
    MachineFixture f(ScenarioOn(GetParam()));
    CPrtUtil prt;
    EXPECT_EQ(prt.OpenSession(), 1);
    ASSERT_EQ(prt.m_bDriverOpen, 1);
    ASSERT_EQ(prt.m_bBound, 1);
    EXPECT_TRUE(f.machine.bound());
    EXPECT_EQ(prt.RefreshBinding(), 1);
    EXPECT_EQ(prt.m_bBound, 1);

    HANDLE device = prt.m_hDriver;
    PRT_REQUEST* record = prt.m_pRequest;
    f.machine.drop_binding();
    EXPECT_EQ(prt.RefreshBinding(), 1);
    EXPECT_EQ(prt.m_bBound, 1);
    EXPECT_EQ(prt.m_hDriver, device);
    EXPECT_EQ(prt.m_pRequest, record);
    EXPECT_EQ(CountOf(f.machine, IOCTL_PRT_BIND), 2);

    EXPECT_EQ(prt.CloseSession(), 1);
    EXPECT_EQ(prt.m_bDriverOpen, 0);
    EXPECT_EQ(prt.m_bBound, 0);
    EXPECT_EQ(prt.m_pRequest, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Systems, SessionOnEachSystem, testing::Values("98", "me", "2000", "xp"));

TEST(Session, NinetyEightBindsWithTheInstanceKeyInTheRecord)
{
    MachineFixture f(ScenarioOn("98"));
    CPrtUtil prt;
    prt.OpenSession();
    EXPECT_STREQ(prt.m_szInstanceKey, "0001");
    const machine::LoggedRequest& bind = f.machine.request_log().front();
    EXPECT_EQ(bind.code, IOCTL_PRT_BIND);
    EXPECT_EQ(bind.input_size, 8u);
}

TEST(Session, XpBindsWithTheDevicePathAndKeepsTheServiceRunningAtClose)
{
    MachineFixture f;
    CPrtUtil prt;
    prt.OpenSession();
    const machine::LoggedRequest& bind = f.machine.request_log().front();
    std::string path = std::string("\\Device\\") + prt.m_szAdapterName;
    EXPECT_EQ(bind.length, path.size());
    EXPECT_EQ(bind.input_size, path.size() + 8);
    EXPECT_EQ(std::string(bind.data.begin(), bind.data.end()), path);

    std::uint64_t before = f.clock.now_ms();
    prt.CloseSession();
    EXPECT_EQ(f.clock.now_ms() - before, 3000u);
    EXPECT_EQ(CountOf(f.machine, IOCTL_PRT_UNBIND), 1);
    EXPECT_EQ(f.machine.service_state(), ServiceState::Running);
}

TEST(Session, TwoThousandWithTheServiceRunningRestartsItBeforeBinding)
{
    machine::Scenario s = ScenarioOn("2000");
    s.protocol_driver.service_running_at_start = true;
    MachineFixture f(s);
    CPrtUtil prt;
    prt.OpenSession();
    EXPECT_EQ(prt.m_nServiceState, 1);
    EXPECT_EQ(prt.m_bBound, 1);
    prt.CloseSession();
    EXPECT_EQ(f.machine.service_state(), ServiceState::Stopped);
}

TEST(Session, XpWithTheServiceRunningUnbindsWaitsAndReopens)
{
    machine::Scenario s = ScenarioOn("xp");
    s.protocol_driver.service_running_at_start = true;
    MachineFixture f(s);
    CPrtUtil prt;
    prt.OpenSession();
    EXPECT_GE(f.clock.now_ms(), 3000u);
    EXPECT_EQ(CountOf(f.machine, IOCTL_PRT_UNBIND), 1);
    EXPECT_EQ(prt.m_bBound, 1);
}

TEST(Session, XpWithTheServiceRunningAndTheUnbindRefusedBindsOnTheNextTick)
{
    machine::Scenario s = ScenarioOn("xp");
    s.protocol_driver.service_running_at_start = true;
    s.faults.failing_codes = {IOCTL_PRT_UNBIND};
    MachineFixture f(s);
    CPrtUtil prt;
    prt.OpenSession();
    EXPECT_EQ(f.clock.now_ms(), 0u);
    EXPECT_EQ(prt.m_bDriverOpen, 1);
    EXPECT_EQ(prt.m_bBound, 0);
    EXPECT_EQ(prt.RefreshBinding(), 1);
    EXPECT_EQ(prt.m_bBound, 1);
}

TEST(Session, XpAdapterRemovedStopsTheServiceAndReturnsWithinOneTick)
{
    MachineFixture f;
    CPrtUtil prt;
    prt.OpenSession();
    f.machine.remove_adapter();
    EXPECT_EQ(prt.RefreshBinding(), 1);
    EXPECT_EQ(prt.m_bBound, 0);
    EXPECT_EQ(prt.m_bDriverOpen, 0);
    EXPECT_EQ(f.machine.service_state(), ServiceState::Stopped);

    f.machine.insert_adapter();
    prt.m_strIpAddress = "stale";
    EXPECT_EQ(prt.RefreshBinding(), 1);
    EXPECT_EQ(prt.m_bBound, 1);
    EXPECT_EQ(prt.m_strIpAddress, "192.168.1.23");
}

TEST(Session, NinetyEightAdapterRemovedDropsToOpen)
{
    MachineFixture f(ScenarioOn("98"));
    CPrtUtil prt;
    prt.OpenSession();
    f.machine.remove_adapter();
    EXPECT_EQ(prt.RefreshBinding(), 1);
    EXPECT_EQ(prt.m_bBound, 0);
    EXPECT_EQ(prt.m_bDriverOpen, 1);
    f.machine.insert_adapter();
    EXPECT_EQ(prt.RefreshBinding(), 1);
    EXPECT_EQ(prt.m_bBound, 1);
}

TEST(Session, NtFourDoesNothing)
{
    MachineFixture f(ScenarioOn("nt4"));
    CPrtUtil prt;
    EXPECT_EQ(prt.m_nOsKind, 3);
    EXPECT_EQ(prt.OpenSession(), 1);
    EXPECT_EQ(prt.RefreshBinding(), 0);
    EXPECT_EQ(prt.CloseSession(), 1);
    EXPECT_TRUE(f.machine.request_log().empty());
    EXPECT_EQ(f.machine.service_state(), ServiceState::Stopped);
}

TEST(Session, OsKindOfEachSystem)
{
    struct Row {
        const char* os;
        int kind;
    };
    for (Row row : {Row{"98", 1}, Row{"me", 1}, Row{"2000", 2}, Row{"xp", 4}, Row{"nt4", 3}, Row{"nt5.2", 3}}) {
        MachineFixture f(ScenarioOn(row.os));
        EXPECT_EQ(CPrtUtil().m_nOsKind, row.kind) << row.os;
    }
}

TEST(Session, OpenFailuresLeaveItUnbound)
{
    struct Row {
        const char* os;
        void (*fault)(machine::Faults&);
    };
    const Row rows[] = {
        {"98", [](machine::Faults& x) { x.device_open_leaves_183 = true; }},
        {"xp", [](machine::Faults& x) { x.device_open_leaves_183 = true; }},
        {"xp", [](machine::Faults& x) { x.device_open_fails = true; }},
        {"2000", [](machine::Faults& x) { x.service_missing = true; }},
        {"xp", [](machine::Faults& x) { x.service_start_fails = true; }},
        {"98", [](machine::Faults& x) { x.allocations_before_failure = 1; }},
    };
    for (const Row& row : rows) {
        machine::Scenario s = ScenarioOn(row.os);
        row.fault(s.faults);
        MachineFixture f(s);
        CPrtUtil prt;
        EXPECT_EQ(prt.OpenSession(), 1);
        EXPECT_EQ(prt.m_bDriverOpen, 0) << row.os;
        EXPECT_EQ(prt.m_bBound, 0) << row.os;
        EXPECT_FALSE(f.machine.bound());
    }
}

TEST(Session, ServiceStartIsPolledEveryTwoSeconds)
{
    machine::Scenario s = ScenarioOn("xp");
    s.protocol_driver.service_start_pending_ms = 5000;
    MachineFixture f(s);
    CPrtUtil prt;
    EXPECT_EQ(prt.StartDriverService(PRT_SERVICE_NAME), 1);
    EXPECT_EQ(f.clock.now_ms(), 6000u);
    EXPECT_EQ(prt.m_nServiceState, 1);
    EXPECT_EQ(prt.StartDriverService(PRT_SERVICE_NAME), 1);
    EXPECT_EQ(prt.m_nServiceState, -1);
}

TEST(Session, ServiceStuckInStartPendingIsGivenUp)
{
    machine::Scenario s = ScenarioOn("xp");
    s.faults.service_stuck_start_pending = true;
    MachineFixture f(s);
    CPrtUtil prt;
    EXPECT_EQ(prt.StartDriverService(PRT_SERVICE_NAME), 1);
    EXPECT_EQ(f.clock.now_ms(), 30000u);
    EXPECT_EQ(prt.m_nServiceState, 0);
    prt.OpenSession();
    EXPECT_EQ(prt.m_bDriverOpen, 0);
}

TEST(Session, FailedDeviceLookupKeepsItUnboundUntilReopened)
{
    machine::Scenario s = ScenarioOn("98");
    s.class_devices[1].present = false;
    MachineFixture f(s);
    CPrtUtil prt;
    prt.OpenSession();
    EXPECT_EQ(prt.m_bBound, 0);
    f.machine.set_device_present(s.class_devices[1].instance_id, true);
    EXPECT_EQ(prt.RefreshBinding(), -1);
    EXPECT_EQ(prt.m_bBound, 0);
    prt.CloseSession();
    prt.OpenSession();
    EXPECT_EQ(prt.m_bBound, 1);
}

TEST(Session, LongAdapterNameCannotBeBoundAndNothingIsSent)
{
    struct Row {
        std::size_t length;
        BYTE bound;
    };
    for (Row row : {Row{91, 1}, Row{92, 0}, Row{144, 0}}) {
        machine::Scenario s = ScenarioOn("xp");
        s.ip_adapters[1].name = std::string(row.length, 'A');
        MachineFixture f(s);
        CPrtUtil prt;
        prt.OpenSession();
        EXPECT_EQ(prt.m_bBound, row.bound) << row.length;
        EXPECT_EQ(CountOf(f.machine, IOCTL_PRT_BIND), row.bound) << row.length;
    }
}

TEST(Session, RestartDeviceGoesThroughTheClassInstaller)
{
    MachineFixture f;
    CPrtUtil prt;
    prt.OpenSession();
    prt.CloseSession();
    f.clock.advance(700);
    EXPECT_TRUE(prt.RestartDevice());
    prt.OpenSession();
    EXPECT_EQ(prt.m_bBound, 1);
}

}  // namespace

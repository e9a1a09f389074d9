#include <gtest/gtest.h>

#include "platform/Kernel.h"
#include "platform/Services.h"
#include "support/MachineFixture.h"

namespace {

struct ServiceHandles {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service;
    explicit ServiceHandles(DWORD access) : service(OpenServiceA(manager, "ZMUX1W2K", access)) {}
    ~ServiceHandles()
    {
        if (service)
            CloseServiceHandle(service);
        CloseServiceHandle(manager);
    }
};

TEST(Services, OnTheDefaultMachineTheServiceRunsOnceStarted)
{
    zephra_test::MachineFixture f;
    ServiceHandles h(SERVICE_START | SERVICE_QUERY_STATUS);
    ASSERT_NE(h.service, nullptr);
    ASSERT_TRUE(StartServiceA(h.service, 0, nullptr));
    SERVICE_STATUS status{};
    ASSERT_TRUE(QueryServiceStatus(h.service, &status));
    EXPECT_EQ(status.dwCurrentState, SERVICE_RUNNING);
}

TEST(Services, StartPendingThenRunningThenStopped)
{
    machine::Scenario slow = machine::default_scenario();
    slow.protocol_driver.service_start_pending_ms = 500;
    zephra_test::MachineFixture f(slow);
    ServiceHandles h(SERVICE_START | SERVICE_QUERY_STATUS | SERVICE_STOP);
    ASSERT_NE(h.service, nullptr);
    ASSERT_TRUE(StartServiceA(h.service, 0, nullptr));
    SERVICE_STATUS status{};
    ASSERT_TRUE(QueryServiceStatus(h.service, &status));
    EXPECT_EQ(status.dwCurrentState, SERVICE_START_PENDING);
    f.clock.advance(500);
    ASSERT_TRUE(QueryServiceStatus(h.service, &status));
    EXPECT_EQ(status.dwCurrentState, SERVICE_RUNNING);
    EXPECT_FALSE(StartServiceA(h.service, 0, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_SERVICE_ALREADY_RUNNING);
    ASSERT_TRUE(ControlService(h.service, SERVICE_CONTROL_STOP, &status));
    EXPECT_EQ(status.dwCurrentState, SERVICE_STOPPED);
    EXPECT_FALSE(ControlService(h.service, SERVICE_CONTROL_STOP, &status));
    EXPECT_EQ(GetLastError(), ERROR_SERVICE_NOT_ACTIVE);
}

TEST(Services, AccessRightsAndFailures)
{
    zephra_test::MachineFixture f;
    {
        ServiceHandles h(SERVICE_START);
        SERVICE_STATUS status{};
        EXPECT_FALSE(QueryServiceStatus(h.service, &status));
        EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
        EXPECT_FALSE(ControlService(h.service, SERVICE_CONTROL_STOP, &status));
        EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    }
    f.machine.faults().service_start_fails = true;
    {
        ServiceHandles h(SERVICE_START);
        EXPECT_FALSE(StartServiceA(h.service, 0, nullptr));
        EXPECT_EQ(GetLastError(), ERROR_SERVICE_REQUEST_TIMEOUT);
    }
    f.machine.faults().service_missing = true;
    ServiceHandles missing(SERVICE_START);
    EXPECT_EQ(missing.service, nullptr);
    EXPECT_EQ(GetLastError(), ERROR_SERVICE_DOES_NOT_EXIST);
    EXPECT_FALSE(CloseServiceHandle(nullptr));
}

}  // namespace

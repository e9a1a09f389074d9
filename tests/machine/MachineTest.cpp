#include <gtest/gtest.h>

#include <cstring>

#include "machine/Machine.h"
#include "machine/ZeroAdapter.h"

namespace {

using machine::ServiceState;

std::vector<std::uint8_t> Record(std::uint32_t oid, std::uint32_t length, std::vector<std::uint8_t> data = {})
{
    std::vector<std::uint8_t> r(8 + std::max<std::size_t>(length, data.size()), 0);
    std::memcpy(r.data(), &oid, 4);
    std::memcpy(r.data() + 4, &length, 4);
    std::copy(data.begin(), data.end(), r.begin() + 8);
    return r;
}

std::vector<std::uint8_t> BindRecord(const std::string& path)
{
    std::vector<std::uint8_t> name(path.begin(), path.end());
    name.push_back(0);
    return Record(0, static_cast<std::uint32_t>(path.size()), name);
}

class MachineTest : public testing::Test {
protected:
    machine::VirtualClock clock;
    machine::Machine m{machine::default_scenario(), clock};
    std::string bind_path = "\\Device\\" + machine::default_scenario().ip_adapters[1].name;

    std::uint32_t OpenNt()
    {
        EXPECT_EQ(m.start_service(machine::kDriverServiceName), 0u);
        clock.advance(1000);
        return m.open_device(machine::kDeviceNt).device;
    }
    bool Control(std::uint32_t device, std::uint32_t code, const std::vector<std::uint8_t>& record)
    {
        auto size = static_cast<std::uint32_t>(record.size());
        return m.device_control(device, code, record, size, size).ok;
    }
    std::uint32_t UnbindEvent(std::uint32_t device)
    {
        auto r = m.device_control(device, machine::ioctl::kUnbindEvent, {0, 0, 0, 0}, 4, 4);
        std::uint32_t answer = 0;
        std::memcpy(&answer, r.output.data(), 4);
        return answer;
    }
};

TEST_F(MachineTest, ServiceIsStartPendingForItsTimeThenRunning)
{
    machine::Scenario slow = machine::default_scenario();
    slow.protocol_driver.service_start_pending_ms = 500;
    machine::Machine starting(slow, clock);
    EXPECT_EQ(starting.service_state(), ServiceState::Stopped);
    EXPECT_EQ(starting.open_device(machine::kDeviceNt).device, 0u);
    EXPECT_EQ(starting.start_service(machine::kDriverServiceName), 0u);
    EXPECT_EQ(starting.service_state(), ServiceState::StartPending);
    EXPECT_EQ(starting.start_service(machine::kDriverServiceName), 1056u);
    clock.advance(500);
    EXPECT_EQ(starting.service_state(), ServiceState::Running);
    EXPECT_NE(starting.open_device(machine::kDeviceNt).device, 0u);
    EXPECT_EQ(starting.stop_service(machine::kDriverServiceName), 0u);
    EXPECT_EQ(starting.stop_service(machine::kDriverServiceName), 1062u);
    EXPECT_EQ(starting.start_service("OTHER"), 1060u);
}

TEST_F(MachineTest, BindsOnlyTheWirelessAdapterByItsDevicePath)
{
    std::uint32_t device = OpenNt();
    ASSERT_NE(device, 0u);
    EXPECT_FALSE(Control(device, machine::ioctl::kQuery, Record(0x0D010102, 36)));
    EXPECT_FALSE(Control(device, machine::ioctl::kBind, BindRecord("\\Device\\" + m.scenario().ip_adapters[0].name)));
    EXPECT_TRUE(Control(device, machine::ioctl::kBind, BindRecord(bind_path)));
    EXPECT_TRUE(m.bound());
    EXPECT_TRUE(Control(device, machine::ioctl::kQuery, Record(0x0D010102, 36)));
    EXPECT_TRUE(Control(device, machine::ioctl::kUnbind, Record(0, 0)));
    EXPECT_FALSE(m.bound());

    ASSERT_EQ(m.request_log().size(), 5u);
    const machine::LoggedRequest& bind = m.request_log()[2];
    EXPECT_EQ(bind.code, machine::ioctl::kBind);
    EXPECT_EQ(bind.length, bind_path.size());
    EXPECT_EQ(std::string(bind.data.begin(), bind.data.begin() + bind.length), bind_path);
    EXPECT_EQ(m.adapter_requests().size(), 2u);
}

// A program polls for days: the log keeps the latest requests within its limit, in order.
TEST_F(MachineTest, TheRequestLogKeepsTheLatestRequestsWithinItsLimit)
{
    std::uint32_t device = OpenNt();
    ASSERT_NE(device, 0u);
    constexpr std::size_t limit = machine::ProtocolDriver::kLogLimit;
    for (std::uint32_t i = 0; i < 3 * limit; ++i)
        Control(device, machine::ioctl::kQuery, Record(i, 4));
    const std::vector<machine::LoggedRequest>& log = m.request_log();
    ASSERT_LE(log.size(), limit);
    ASSERT_GE(log.size(), limit / 2);
    for (std::size_t i = 0; i < log.size(); ++i)
        ASSERT_EQ(log[i].oid, 3 * limit - log.size() + i) << i;
}

TEST_F(MachineTest, HotPlugTakesDeviceAddressAndBindingAndBringsThemBack)
{
    auto zero = std::make_unique<machine::ZeroAdapter>();
    machine::ZeroAdapter* adapter = zero.get();
    m.set_adapter(std::move(zero));
    std::uint32_t device = OpenNt();
    ASSERT_TRUE(Control(device, machine::ioctl::kBind, BindRecord(bind_path)));
    EXPECT_EQ(UnbindEvent(device), 0u);

    m.remove_adapter();
    EXPECT_EQ(m.present_class_devices().size(), 1u);
    EXPECT_EQ(m.ip_adapters().adapters.size(), 1u);
    EXPECT_FALSE(m.bound());
    EXPECT_EQ(UnbindEvent(device), 1u);
    EXPECT_FALSE(Control(device, machine::ioctl::kBind, BindRecord(bind_path)));

    m.insert_adapter();
    EXPECT_EQ(adapter->restarts(), 1);
    EXPECT_EQ(m.present_class_devices().size(), 2u);
    EXPECT_EQ(m.ip_adapters().adapters.size(), 2u);
    EXPECT_TRUE(Control(device, machine::ioctl::kBind, BindRecord(bind_path)));
    EXPECT_EQ(UnbindEvent(device), 0u);
}

TEST_F(MachineTest, ClassInstallerRestartRestartsTheAdapterAndDropsTheBinding)
{
    auto zero = std::make_unique<machine::ZeroAdapter>();
    machine::ZeroAdapter* adapter = zero.get();
    m.set_adapter(std::move(zero));
    std::uint32_t device = OpenNt();
    ASSERT_TRUE(Control(device, machine::ioctl::kBind, BindRecord(bind_path)));
    EXPECT_EQ(m.restart_device(m.scenario().class_devices[1].instance_id), 0u);
    EXPECT_EQ(adapter->restarts(), 1);
    EXPECT_EQ(UnbindEvent(device), 1u);
    EXPECT_EQ(m.restart_device("PCI\\NO_SUCH_DEVICE"), 0xE000020Bu);
}

TEST_F(MachineTest, AnswersNeverExceedTheRecordOrTheOutputBuffer)
{
    std::uint32_t device = OpenNt();
    ASSERT_TRUE(Control(device, machine::ioctl::kBind, BindRecord(bind_path)));
    auto record = Record(0x0D010217, 3000);
    auto r = m.device_control(device, machine::ioctl::kQuery, record, 3008, 100);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.output.size(), 100u);
}

TEST_F(MachineTest, InjectedFaults)
{
    m.faults().allocations_before_failure = 1;
    EXPECT_TRUE(m.permit_allocation());
    EXPECT_FALSE(m.permit_allocation());

    std::uint32_t device = OpenNt();
    ASSERT_TRUE(Control(device, machine::ioctl::kBind, BindRecord(bind_path)));
    m.faults().failing_oids = {0x0D010102};
    EXPECT_FALSE(Control(device, machine::ioctl::kQuery, Record(0x0D010102, 36)));
    EXPECT_TRUE(Control(device, machine::ioctl::kQuery, Record(0x0D010101, 6)));
    m.faults().failing_codes = {machine::ioctl::kUnbind};
    EXPECT_FALSE(Control(device, machine::ioctl::kUnbind, Record(0, 0)));
    EXPECT_FALSE(m.request_log().back().succeeded);

    m.faults().device_open_leaves_183 = true;
    EXPECT_EQ(m.open_device(machine::kDeviceNt).error, 183u);
    m.faults().device_open_fails = true;
    EXPECT_EQ(m.open_device(machine::kDeviceNt).device, 0u);

    m.faults().service_missing = true;
    EXPECT_EQ(m.open_service(machine::kDriverServiceName), 1060u);
}

}  // namespace

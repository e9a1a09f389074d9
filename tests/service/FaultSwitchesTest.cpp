// Every fault the control part switches by name does what its name says to the machine, and
// switched off again leaves it working.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/ProtocolDriver.h"
#include "machine/Scenario.h"
#include "machine/service/FaultSwitches.h"

namespace {

using machine::Machine;

bool WirelessPresent(Machine& m)
{
    for (const auto& d : m.present_class_devices())
        if (d.wireless)
            return true;
    return false;
}

struct Row {
    const char* name;
    // True while the fault shows; false once it is off again.
    std::function<bool(Machine&)> shows;
};

TEST(FaultSwitches, EachNamedFaultReachesTheMachine)
{
    const std::string service = machine::kDriverServiceName;
    const Row rows[] = {
        {"device-open-fails", [&](Machine& m) { return m.open_device(machine::kDeviceNt).device == 0; }},
        {"device-open-leaves-183", [&](Machine& m) { return m.open_device(machine::kDeviceNt).error == 183; }},
        {"allocation-fails", [](Machine& m) { return !m.permit_allocation(); }},
        {"service-missing", [&](Machine& m) { return m.open_service(service) == 1060; }},
        {"service-start-fails", [&](Machine& m) { return m.stop_service(service), m.start_service(service) != 0; }},
        {"service-stuck-start-pending",
         [&](Machine& m) {
             m.stop_service(service);
             m.start_service(service);
             return m.query_service(service).state == machine::ServiceState::StartPending;
         }},
        {"adapters-info-fails", [](Machine& m) { return m.ip_adapters().errors.filling != 0; }},
        {"adapters-info-sizing-fails", [](Machine& m) { return m.ip_adapters().errors.sizing != 0; }},
        {"network-params-fails", [](Machine& m) { return m.network_params().errors.filling != 0; }},
        {"network-params-sizing-fails", [](Machine& m) { return m.network_params().errors.sizing != 0; }},
        {"adapter-pulled", [](Machine& m) { return !WirelessPresent(m); }},
        {"registry-read-only",
         [](Machine& m) {
             return m.registry_create_key(machine::RegistryRoot::LocalMachine, "Software\\Probe", true).error != 0;
         }},
        {"shell-fails",
         [](Machine& m) { return m.shell({machine::ShellCall::Open, "open", "http://example.org", {}}).code == 31; }},
        {"code:80000020", [](Machine& m) { return m.faults().failing_codes == std::vector<std::uint32_t>{0x80000020}; }},
        {"oid:0x0D010206", [](Machine& m) { return m.faults().failing_oids == std::vector<std::uint32_t>{0x0D010206}; }},
    };
    std::set<std::string> covered;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        machine::VirtualClock clock;
        Machine m(machine::with_recording_shell(machine::default_scenario()), clock);
        m.start_service(service);
        ASSERT_FALSE(row.shows(m)) << "shows before it was switched on";
        ASSERT_EQ(machine::service::switch_fault(m, row.name, true), "");
        EXPECT_TRUE(row.shows(m));
        EXPECT_EQ(machine::service::active_faults(m).size(), 1u);
        ASSERT_EQ(machine::service::switch_fault(m, row.name, false), "");
        EXPECT_FALSE(row.shows(m));
        EXPECT_TRUE(machine::service::active_faults(m).empty());
        covered.insert(row.name);
    }
    for (const machine::service::FaultSwitch& fault : machine::service::fault_switches()) {
        if (std::string(fault.name) != "binding-dropped") {
            EXPECT_TRUE(covered.count(fault.name)) << fault.name << " has no row";
        }
    }
}

TEST(FaultSwitches, ADroppedBindingIsOnceAndStaysOff)
{
    const std::string service = machine::kDriverServiceName;
    machine::VirtualClock clock;
    Machine m(machine::default_scenario(), clock);
    m.start_service(service);
    const std::uint32_t device = m.open_device(machine::kDeviceNt).device;
    std::string name;
    for (const auto& adapter : m.ip_adapters().adapters)
        if (adapter.wireless)
            name = "\\Device\\" + adapter.name;
    std::vector<std::uint8_t> record(8 + name.size());
    record[4] = static_cast<std::uint8_t>(name.size());
    std::copy(name.begin(), name.end(), record.begin() + 8);
    ASSERT_TRUE(m.device_control(device, machine::ioctl::kBind, record, static_cast<std::uint32_t>(record.size()), 0).ok);
    ASSERT_TRUE(m.bound());
    ASSERT_EQ(machine::service::switch_fault(m, "binding-dropped", true), "");
    EXPECT_FALSE(m.bound());
    EXPECT_TRUE(machine::service::active_faults(m).empty());
}

TEST(FaultSwitches, AnUnknownNameChangesNothing)
{
    for (const char* bad : {"", "gremlins", "code:", "oid:123456789", "oid:xyz", "code:-1"}) {
        machine::VirtualClock clock;
        Machine m(machine::default_scenario(), clock);
        EXPECT_NE(machine::service::switch_fault(m, bad, true), "") << bad;
        EXPECT_EQ(m.faults(), machine::default_scenario().faults) << bad;
    }
}

}  // namespace

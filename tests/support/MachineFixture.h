#pragma once
// A machine on virtual time, installed for the platform's calls while the fixture lives; its
// shell only records what it opens and runs.

#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/Scenario.h"
#include "platform/MachineScope.h"
#include "platform/MessageBox.h"

namespace zephra_test {

class MachineFixture {
public:
    explicit MachineFixture(const machine::Scenario& scenario = machine::default_scenario())
        : machine(machine::with_recording_shell(scenario), clock), scope(machine)
    {
    }

    machine::VirtualClock clock;
    machine::Machine machine;
    platform::MachineScope scope;
    platform::MessageBoxCapture messages;
};

// The default scenario on another system ("98", "2000", "xp", ...). On 9x the driver keys
// take the 9x form, a class prefix and a four-digit instance number.
inline machine::Scenario ScenarioOn(const char* os)
{
    machine::Scenario s = machine::default_scenario();
    s.os = os;
    if (machine::os_version_named(os)->platform_id == 1)
        for (std::size_t i = 0; i < s.class_devices.size(); ++i)
            s.class_devices[i].driver_key = "Net\\000" + std::to_string(i);
    return s;
}

}  // namespace zephra_test

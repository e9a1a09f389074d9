#include "platform/MachineScope.h"

#include <memory>

#include "machine/Machine.h"
#include "platform/CurrentClock.h"
#include "platform/CurrentMachine.h"

namespace platform {

namespace {
machine::MachinePort* g_port = nullptr;
}

machine::MachinePort& CurrentMachine()
{
    if (g_port)
        return *g_port;
    static machine::Machine built_in(machine::default_scenario(), CurrentClock());
    return built_in;
}

MachineScope::MachineScope(machine::Machine& machine) : MachineScope(machine, machine.clock()) {}

MachineScope::MachineScope(machine::MachinePort& port, machine::Clock& clock)
    : m_previous_port(g_port), m_previous_clock(SetCurrentClock(&clock))
{
    g_port = &port;
}

MachineScope::~MachineScope()
{
    g_port = m_previous_port;
    SetCurrentClock(m_previous_clock);
}

}  // namespace platform

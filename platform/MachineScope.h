#pragma once
// Installs a machine and its clock for the platform's calls during one scope, and puts the
// previous ones back at its end.

namespace machine {
class Clock;
class Machine;
class MachinePort;
}  // namespace machine

namespace platform {

class MachineScope {
public:
    explicit MachineScope(machine::Machine& machine);
    MachineScope(machine::MachinePort& port, machine::Clock& clock);
    ~MachineScope();
    MachineScope(const MachineScope&) = delete;
    MachineScope& operator=(const MachineScope&) = delete;

private:
    machine::MachinePort* m_previous_port;
    machine::Clock* m_previous_clock;
};

}  // namespace platform

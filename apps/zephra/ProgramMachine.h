#pragma once
// The machine a program runs on: the machine service's, started on demand when none runs,
// so that the program and the device manager share one adapter and one registry; or one of
// the program's own (--in-process, a snapshot, or when the service cannot be had).

#include <memory>
#include <ostream>

#include "apps/zephra/Options.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/service/RemoteMachine.h"

namespace zephra_app {

class ProgramMachine {
public:
    // `program` names the program in what it says on `err` when it falls back to a machine of its own.
    ProgramMachine(const Options& options, const machine::Scenario& scenario, const char* program, std::ostream& err);

    machine::MachinePort& port();
    machine::Clock& clock() { return m_clock; }
    // True when the machine is the service's.
    bool shared() const { return m_remote != nullptr; }

private:
    machine::RealClock m_clock;
    std::unique_ptr<machine::service::RemoteMachine> m_remote;
    std::unique_ptr<machine::Machine> m_local;
};

}  // namespace zephra_app

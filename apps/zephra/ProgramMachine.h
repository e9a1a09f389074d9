#pragma once
// The machine a program runs on: the machine service's, started on demand when none runs,
// so that the program and the device manager share one adapter and one registry; or one of
// the program's own (--in-process, a snapshot, or when the service cannot be had).

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "apps/zephra/Options.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/service/RemoteMachine.h"
#include "machine/service/ServiceEndpoint.h"
#include "machine/service/ServiceStarter.h"

namespace zephra_app {

class ProgramMachine {
public:
    // Connects to the service, or starts it and returns while it comes up, so that the program
    // opens its display meanwhile. `program` names the program in what it says on `err` when it
    // falls back to a machine of its own.
    ProgramMachine(const Options& options, const machine::Scenario& scenario, const char* program, std::ostream& err);

    // The machine; the first call waits for a service start still under way.
    machine::MachinePort& port();
    machine::Clock& clock() { return m_clock; }

private:
    machine::RealClock m_clock;
    machine::Scenario m_scenario;
    machine::MachineStorage m_storage;
    std::string m_program;
    std::ostream& m_err;
    std::optional<machine::service::ServiceEndpoint> m_endpoint;
    std::unique_ptr<machine::service::RemoteMachine> m_remote;
    std::unique_ptr<machine::service::ServiceStart> m_start;
    std::string m_problem;  // why the service cannot be had
    std::unique_ptr<machine::Machine> m_local;
};

}  // namespace zephra_app

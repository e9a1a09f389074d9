#pragma once
// `zephra-machine ctl`: one request to the running machine's service, its answer printed.

#include <ostream>

#include "apps/zephra-machine/MachineOptions.h"

namespace machine_app {

// The exit code: 0 when the machine answered, 1 when no service runs or the machine refused,
// 2 for a bad command or argument.
int RunCtl(const MachineOptions& options, std::ostream& out, std::ostream& err);

}  // namespace machine_app

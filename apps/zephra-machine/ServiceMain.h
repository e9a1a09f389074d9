#pragma once
// Runs the machine service until it goes idle or is told to stop.

#include "apps/zephra-machine/MachineOptions.h"

namespace machine_app {

// The exit code: 0 after a clean stop (or when a service already runs for the machine),
// 1 when the service cannot run, 2 for a bad command line or scenario.
int RunService(const MachineOptions& options);

}  // namespace machine_app

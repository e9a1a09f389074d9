#pragma once
// Runs the program on its machine with a display: the wiring shared by every way of showing it.

#include <memory>

#include "apps/zephra/Options.h"
#include "apps/zephra/ProgramMachine.h"

namespace fw {
class Presenter;
}

namespace zephra_app {

// The program's machine, chosen first: a service it starts comes up while the program opens its
// display. Null when the scenario is unusable (said on standard error; the exit code is 2).
std::unique_ptr<ProgramMachine> PrepareMachine(const Options& options);

// Runs the program until it ends and returns its exit code. `display` shows the windows; null
// runs headless, printing the tray icon's changes.
int RunZephra(ProgramMachine& computer, fw::Presenter* display = nullptr);

}  // namespace zephra_app

#pragma once
// Runs the program on its machine with a display: the wiring shared by every way of showing it.

#include "apps/zephra/Options.h"

namespace fw {
class Presenter;
}

namespace zephra_app {

// Runs the program until it ends and returns its exit code (2 when the scenario is unusable).
// `display` shows the windows; null runs headless, printing the tray icon's changes.
int RunZephra(const Options& options, fw::Presenter* display = nullptr);

}  // namespace zephra_app

#pragma once
// Runs the program with Qt: on the desktop session, or offscreen for `--snapshot`.

#include "apps/zephra/Options.h"

namespace zephra_app {

// True when there is a display to show windows on (or Qt was told which platform to use).
bool HasDisplay();
// With a snapshot folder in the options, writes the snapshot there instead of showing the program.
int RunDesktop(const Options& options, int argc, char** argv);

}  // namespace zephra_app

#pragma once
// The command line of `zephra`. The options configure the stand-in layers only (which
// machine, which presenter), never the program itself.

#include <string>

#include "apps/cli/Manual.h"

namespace zephra_app {

struct Options {
    std::string scenario_file;  // empty: the built-in default machine
    std::string snapshot_folder;  // not empty: write pictures of the program there and exit
    bool help = false;
    std::string error;  // what was wrong with the command line; empty when it was fine
};

Options ParseOptions(int argc, const char* const* argv);
std::string UsageText();
// What `--help` and the manual page zephra(1) say.
const cli::Manual& ProgramManual();

}  // namespace zephra_app

#pragma once
// The command line of `zephra`. The options configure the stand-in layers only (which
// machine, which presenter), never the program itself.

#include <string>

#include "apps/cli/CommandLine.h"
#include "apps/cli/Manual.h"
#include "machine/Machine.h"

namespace zephra_app {

struct Options {
    std::string scenario_file;  // empty: the built-in default machine
    std::string snapshot_folder;  // not empty: write pictures of the program there and exit
    std::string machine_dir;  // empty: the machine's own directory under the user's state home
    bool fresh = false;  // start from the scenario's initial state
    bool in_process = false;  // a machine of the program's own instead of the shared machine service
    bool help = false;
    std::string error;  // what was wrong with the command line; empty when it was fine
};

// The program's options; the device manager stand-in takes the same ones.
const std::vector<cli::Option<Options>>& OptionTable();
Options ParseOptions(int argc, const char* const* argv);
std::string UsageText();
// What `--help` and the manual page zephra(1) say.
const cli::Manual& ProgramManual();

// Where the machine keeps its state: the directory given, else its own under the user's
// state home. A snapshot runs on a fresh machine that keeps nothing, so that its pictures
// are the same on every run and show nothing of the user's state.
machine::MachineStorage MachineStorageFor(const Options& options);
// Why the folder --machine-dir names cannot keep the machine's state, made first when it is
// missing; empty when it can, or when the state is not kept there.
std::string MachineDirProblem(const Options& options);

}  // namespace zephra_app

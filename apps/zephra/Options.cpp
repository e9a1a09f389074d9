#include "apps/zephra/Options.h"

#include <iostream>

#include "machine/StateDirectory.h"

namespace zephra_app {

namespace {

// An option with a value, given as "--name VALUE" or "--name=VALUE". Returns false when
// `argv[i]` is not that option; an empty or missing value sets `error` to `needs`.
bool TakeValue(const std::string& name, const char* needs, int argc, const char* const* argv, int& i,
               std::string& value, std::string& error)
{
    const std::string arg = argv[i];
    if (arg == name) {
        if (i + 1 < argc)
            value = argv[++i];
        else
            value.clear();
    } else if (arg.rfind(name + "=", 0) == 0) {
        value = arg.substr(name.size() + 1);
    } else {
        return false;
    }
    if (value.empty())
        error = name + " needs " + needs;
    return true;
}

}  // namespace

Options ParseOptions(int argc, const char* const* argv)
{
    Options options;
    for (int i = 1; i < argc && options.error.empty(); ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--fresh") {
            options.fresh = true;
        } else if (!TakeValue("--scenario", "a file name", argc, argv, i, options.scenario_file, options.error) &&
                   !TakeValue("--snapshot", "a folder", argc, argv, i, options.snapshot_folder, options.error) &&
                   !TakeValue("--machine-dir", "a folder", argc, argv, i, options.machine_dir, options.error)) {
            options.error = "unknown option: " + arg;
        }
    }
    return options;
}

std::string UsageText(const std::string& program)
{
    return "Usage: " + program + " [--scenario FILE] [--machine-dir DIR] [--fresh] [--snapshot DIR] [--help]\n"
           "Runs the wireless LAN configuration utility on a simulated machine: on the desktop\n"
           "when there is one (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM set), else headless.\n"
           "The machine keeps its state (its registry) from one run to the next in a directory\n"
           "of its own: $XDG_STATE_HOME/zephra/MACHINE/, else ~/.local/state/zephra/MACHINE/,\n"
           "where MACHINE is \"default\" for the built-in machine and the scenario file's name\n"
           "with a code of its full path for a scenario.\n"
           "  --scenario FILE    the machine to run on, a JSON scenario (default: the built-in one)\n"
           "  --machine-dir DIR  keep the machine's state in DIR instead\n"
           "  --fresh            start from the scenario's initial state, replacing the kept one\n"
           "  --snapshot DIR     write PNG pictures of the tray icon and of each page of the\n"
           "                     window to DIR (drawn offscreen, no display needed), then exit;\n"
           "                     runs on a fresh machine that keeps nothing\n"
           "  --help             show this text\n";
}

machine::MachineStorage MachineStorageFor(const Options& options)
{
    if (!options.snapshot_folder.empty())
        return {};
    std::string directory =
        options.machine_dir.empty() ? machine::machine_state_directory(options.scenario_file) : options.machine_dir;
    if (directory.empty())
        std::cerr << "zephra: neither XDG_STATE_HOME nor HOME is set; the machine's state is not kept" << std::endl;
    return {directory, options.fresh};
}

}  // namespace zephra_app

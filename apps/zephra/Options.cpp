#include "apps/zephra/Options.h"

#include <iostream>

#include <unistd.h>

#include "machine/StateDirectory.h"

namespace zephra_app {

const std::vector<cli::Option<Options>>& OptionTable()
{
    static const std::vector<cli::Option<Options>> table = {
        {{"--scenario", "", "FILE", "a file name",
          "the machine to run on, a JSON scenario (default: the built-in one)"},
         &Options::scenario_file},
        {{"--machine-dir", "", "DIR", "a folder", "keep the machine's state in DIR instead of its own directory"},
         &Options::machine_dir},
        {{"--fresh", "", "", "", "start from the scenario's initial state, replacing the kept one"},
         &Options::fresh},
        {{"--in-process", "", "", "",
          "run on a machine of the program's own instead of the machine service that the user's programs share"},
         &Options::in_process},
        {{"--snapshot", "", "DIR", "a folder",
          "write PNG pictures of the tray icon and of each page of the window to DIR (drawn offscreen, "
          "no display needed), then exit; runs on a fresh machine that keeps nothing"},
         &Options::snapshot_folder},
        {{"--help", "-h", "", "", "print the usage and the options, then exit"}, &Options::help},
    };
    return table;
}

Options ParseOptions(int argc, const char* const* argv)
{
    Options options;
    options.error = cli::ParseCommandLine(OptionTable(), argc, argv, options);
    return options;
}

std::string UsageText() { return cli::UsageText(ProgramManual()); }

const cli::Manual& ProgramManual()
{
    static const cli::Manual manual{
        .program = "zephra",
        .purpose = "configuration and status utility of a wireless LAN adapter, on a simulated machine",
        .description = {
            "Runs the wireless LAN configuration utility on a simulated machine: on the desktop when there "
            "is one (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM set), else headless.",
            "On the desktop the program puts its icon in the system tray, showing once a second whether the "
            "adapter is connected and how strong the signal is. Double-click the icon to open the window with "
            "the pages Connection Status, Wireless Network, Advanced, Statistics and Version; right-click it "
            "for the menu (Show, Hide, Exit). Where the desktop has no tray, the program says so once and "
            "opens the window at start. Headless, it prints the tray icon's changes.",
            "The machine keeps its state (its registry) from one run to the next in a directory of its own: "
            "$XDG_STATE_HOME/zephra/MACHINE/, else ~/.local/state/zephra/MACHINE/, where MACHINE is \"default\" "
            "for the built-in machine and the scenario file's name with a code of its full path for a scenario.",
            "The machine is the one the machine service zephra-machine(1) runs for the machine's directory, "
            "shared with zephra-devmgr(1) and every other program on it; the program starts the service when "
            "none runs. With --in-process, or when the service cannot be started, the program runs on a machine "
            "of its own. A snapshot always runs on a fresh machine of its own.",
            "The options configure only the simulated machine and how the program is shown, never the "
            "utility itself. A second copy started by the same user finds the first and ends.",
            "To start the utility at every login, copy @DATADIR@/zephra/autostart/zephra.desktop into "
            "~/.config/autostart/.",
        },
        .options = cli::Texts(OptionTable()),
        .environment = {
            {"DISPLAY", "The X11 display to show the tray icon and the window on."},
            {"WAYLAND_DISPLAY", "The Wayland display to show them on."},
            {"QT_QPA_PLATFORM", "The Qt platform to show them with; offscreen draws without a display. With "
                                "none of these three set the program runs headless."},
            {"XDG_STATE_HOME", "Where a machine's lasting state is kept; ~/.local/state when unset."},
            {"XDG_RUNTIME_DIR", "Where run-time files are kept; /tmp/zephra-UID when unset."},
        },
        .files = {
            {"$XDG_STATE_HOME/zephra/MACHINE/",
             "The lasting state of one simulated machine, one directory per machine: its registry hive, a text "
             "file that can be read and compared, and its Windows directory."},
            {"$XDG_RUNTIME_DIR/zephra/",
             "Run-time files of the user's Zephra processes: one entry per open top-level window, by which a "
             "second copy finds the first, and the socket of the machine service."},
            {"@PRIVATEDIR@/LangEN.DLL ... LangZH.DLL",
             "The six language libraries (English, Japanese, French, German, Korean, Chinese), beside the "
             "program; the machine's default language picks one."},
            {"@DATADIR@/zephra/autostart/zephra.desktop", "The entry that starts the utility at login, to copy."},
        },
        .see_also = {"zephra-devmgr(1)", "zephra-machine(1)"},
    };
    return manual;
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

std::string MachineDirProblem(const Options& options)
{
    if (options.machine_dir.empty() || !options.snapshot_folder.empty())
        return "";
    // A folder that cannot keep the state would lose every change of the session unnoticed.
    if (!machine::make_private_directory(options.machine_dir) ||
        ::access(options.machine_dir.c_str(), R_OK | W_OK | X_OK) != 0)
        return "--machine-dir " + options.machine_dir + ": not a folder the machine's state can be kept in";
    return "";
}

}  // namespace zephra_app

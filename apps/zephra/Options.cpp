#include "apps/zephra/Options.h"

namespace zephra_app {

Options ParseOptions(int argc, const char* const* argv)
{
    Options options;
    for (int i = 1; i < argc && options.error.empty(); ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--scenario") {
            if (i + 1 >= argc)
                options.error = "--scenario needs a file name";
            else
                options.scenario_file = argv[++i];
        } else if (arg.rfind("--scenario=", 0) == 0) {
            options.scenario_file = arg.substr(11);
            if (options.scenario_file.empty())
                options.error = "--scenario needs a file name";
        } else if (arg == "--snapshot") {
            if (i + 1 >= argc)
                options.error = "--snapshot needs a folder";
            else
                options.snapshot_folder = argv[++i];
        } else if (arg.rfind("--snapshot=", 0) == 0) {
            options.snapshot_folder = arg.substr(11);
            if (options.snapshot_folder.empty())
                options.error = "--snapshot needs a folder";
        } else {
            options.error = "unknown option: " + arg;
        }
    }
    return options;
}

std::string UsageText(const std::string& program)
{
    return "Usage: " + program + " [--scenario FILE] [--snapshot DIR] [--help]\n"
           "Runs the wireless LAN configuration utility on a simulated machine: on the desktop\n"
           "when there is one (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM set), else headless.\n"
           "  --scenario FILE  the machine to run on, a JSON scenario (default: the built-in one)\n"
           "  --snapshot DIR   write PNG pictures of the tray icon and of each page of the\n"
           "                   window to DIR (drawn offscreen, no display needed), then exit\n"
           "  --help           show this text\n";
}

}  // namespace zephra_app

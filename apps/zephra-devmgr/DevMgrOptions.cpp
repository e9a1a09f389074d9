#include "apps/zephra-devmgr/DevMgrOptions.h"

namespace devmgr {

namespace {

constexpr std::string_view kSnapshotOption = "--snapshot";
constexpr std::string_view kSnapshotHelp =
    "write PNG pictures of the General page, the version page and both pages of its status sheet to DIR "
    "(drawn offscreen, no display needed), then exit; runs on a fresh machine that keeps nothing";

const std::vector<cli::Option<zephra_app::Options>>& OptionTable()
{
    static const std::vector<cli::Option<zephra_app::Options>> table = [] {
        std::vector<cli::Option<zephra_app::Options>> options = zephra_app::OptionTable();
        for (cli::Option<zephra_app::Options>& option : options)
            if (option.text.name == kSnapshotOption)
                option.text.help = kSnapshotHelp;
        return options;
    }();
    return table;
}

}  // namespace

zephra_app::Options ParseOptions(int argc, const char* const* argv)
{
    zephra_app::Options options;
    options.error = cli::ParseCommandLine(OptionTable(), argc, argv, options);
    return options;
}

std::string UsageText() { return cli::UsageText(DevMgrManual()); }

const cli::Manual& DevMgrManual()
{
    static const cli::Manual manual{
        .program = "zephra-devmgr",
        .purpose = "the wireless LAN adapter's Properties window of a device manager, on a simulated machine",
        .description = {
            "Shows the wireless adapter's Properties window as a device manager does, on the desktop when there "
            "is one (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM set): its General page and the pages that the "
            "adapter's page provider adds. Without a desktop it needs --snapshot.",
            "The provider is found as the device installer finds it: the EnumPropPages32 value of the adapter's "
            "driver key names the library and its export, and the library is loaded from beside the program.",
            "The machine is the one zephra(1) runs on: the machine service's, started when none runs, unless "
            "--in-process asks for one of its own; it keeps its state in the same directory.",
        },
        .options = cli::Texts(OptionTable()),
        .environment = {
            {"DISPLAY", "The X11 display to show the window on."},
            {"WAYLAND_DISPLAY", "The Wayland display to show it on."},
            {"QT_QPA_PLATFORM", "The Qt platform to show it with; offscreen draws without a display."},
            {"XDG_STATE_HOME", "Where a machine's lasting state is kept; ~/.local/state when unset."},
            {"XDG_RUNTIME_DIR", "Where run-time files are kept; /tmp/zephra-UID when unset."},
        },
        .files = {
            {"@PRIVATEDIR@/libZephraProp.so",
             "The adapter's page provider, with its language libraries PLangEN.DLL ... PLangZH.DLL beside it."},
        },
        .see_also = {"zephra(1)", "zephra-machine(1)"},
    };
    return manual;
}

}  // namespace devmgr

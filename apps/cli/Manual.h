#pragma once
// What a program tells its user about itself, kept in one place: `--help` and the manual
// page are both drawn from it, so they cannot disagree.

#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct OptionText {
    std::string_view name;             // "--scenario"
    std::string_view alias;            // "-h"; empty when there is none
    std::string_view argument;         // "FILE"; empty for a switch
    std::string_view missing_argument; // how an error names a missing argument: "a file name"
    std::string_view help;             // one sentence, without a final full stop
};

struct ManualEntry {
    std::string_view term;  // "XDG_STATE_HOME", "$XDG_RUNTIME_DIR/zephra/"
    std::string_view text;
};

// Texts may name the installed directories as @PRIVATEDIR@ (the program's own folder, with
// its language libraries) and @DATADIR@; the manual page fills them in.
struct Manual {
    std::string_view program{};                 // "zephra"
    std::string_view purpose{};                 // the line after the name in NAME
    std::vector<std::string_view> description{};  // paragraphs; `--help` shows the first
    std::vector<OptionText> options{};
    std::string_view operands{};                // after the options in the synopsis: "[ctl COMMAND]"
    std::vector<ManualEntry> commands{};        // "ctl status": what the command does
    std::vector<ManualEntry> environment{};
    std::vector<ManualEntry> files{};
    std::vector<std::string_view> see_also{};   // "zephra-devmgr(1)"
};

struct InstalledDirectories {
    std::string private_dir;  // "/usr/lib/x86_64-linux-gnu/zephra"
    std::string data_dir;     // "/usr/share"
};

// "Usage: zephra [--scenario FILE] ...", the first paragraph and the options, wrapped to 80 columns.
std::string UsageText(const Manual& manual);
// The manual page in roff (man(7) macros), section 1.
std::string ManPage(const Manual& manual, std::string_view version, const InstalledDirectories& directories);

}  // namespace cli

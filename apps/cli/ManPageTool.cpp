#include "apps/cli/ManPageTool.h"

#include <filesystem>
#include <fstream>
#include <iostream>

#include "apps/cli/CommandLine.h"

namespace cli {

namespace {

struct ToolSettings {
    std::string out;
};

const std::vector<Option<ToolSettings>>& ToolOptions()
{
    static const std::vector<Option<ToolSettings>> table = {
        {{"--out", "", "FILE", "a file name", "the page to write"}, &ToolSettings::out},
    };
    return table;
}

// Written beside its final name and renamed, so a failed build leaves no half page behind.
bool WriteAtomically(const std::filesystem::path& path, const std::string& text)
{
    const std::filesystem::path partial = path.string() + ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file << text;
        file.flush();
        if (!file)
            return false;
    }
    std::error_code ec;
    std::filesystem::rename(partial, path, ec);
    return !ec;
}

}  // namespace

int RunManPageTool(const Manual& manual, std::string_view version, const InstalledDirectories& directories,
                   int argc, const char* const* argv)
{
    ToolSettings settings;
    std::string error = ParseCommandLine(ToolOptions(), argc, argv, settings);
    if (error.empty() && settings.out.empty())
        error = "--out is needed";
    if (!error.empty()) {
        std::cerr << "manual page of " << manual.program << ": " << error << "\n";
        return 2;
    }
    const std::string page = ManPage(manual, version, directories);
    if (!WriteAtomically(settings.out, page)) {
        std::cerr << "manual page of " << manual.program << ": cannot write " << settings.out << "\n";
        return 1;
    }
    return 0;
}

}  // namespace cli

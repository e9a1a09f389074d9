#pragma once
// The build step that writes a program's manual page from its Manual: `<tool> --out zephra.1`.

#include <string_view>

#include "apps/cli/Manual.h"

namespace cli {

int RunManPageTool(const Manual& manual, std::string_view version, const InstalledDirectories& directories,
                   int argc, const char* const* argv);

}  // namespace cli

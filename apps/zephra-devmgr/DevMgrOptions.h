#pragma once
// The command line of `zephra-devmgr`: the options of `zephra`, with pictures of its own.

#include "apps/zephra/Options.h"

namespace devmgr {

zephra_app::Options ParseOptions(int argc, const char* const* argv);
std::string UsageText();
// What `--help` and the manual page zephra-devmgr(1) say.
const cli::Manual& DevMgrManual();

}  // namespace devmgr

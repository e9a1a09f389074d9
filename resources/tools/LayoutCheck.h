#pragma once
// Build-time checks that a dialog reads well: every control inside the dialog, no two
// controls on top of each other, and no control straddling a group box's frame.

#include <string>
#include <vector>

#include "framework/ResourceModule.h"

namespace rc {

std::vector<std::string> CheckLayout(const fw::DialogTemplate& dialog);

}  // namespace rc

#pragma once
// Writes a resource module as C++ source: the program's own resources are compiled in.

#include <string>

#include "framework/ResourceModule.h"

namespace rc {

// Defines `const fw::ResourceModule& <ns>::<function>()`.
std::string EmitModuleSource(const fw::ResourceModule& module, const std::string& ns, const std::string& function,
                             const std::string& header);

}  // namespace rc

#pragma once
// Reads a resource module from its readable source form (JSON): dialogs, strings, icons
// drawn as rows of palette characters, and menus. Bad input yields no module and an error
// that names the resource and the field.

#include <memory>
#include <string>

#include "framework/ResourceModule.h"

namespace fw {

struct ResourceReadResult {
    std::unique_ptr<ResourceModule> module;  // null on error
    std::string error;
};

ResourceReadResult ReadResourceModule(const std::string& source, const std::string& module_name);

}  // namespace fw

#pragma once
// Symbolic style names of the resource sources, mapped to the bits of WindowStyles.h.

#include <optional>
#include <string_view>

#include "platform/WinTypes.h"

namespace fw {

std::optional<DWORD> StyleBitsByName(std::string_view name);

}  // namespace fw

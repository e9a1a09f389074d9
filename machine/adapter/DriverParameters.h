#pragma once
// The station settings a starting miniport takes from its driver key: decimal texts, and
// the WEP keys as one run of hex digits.

#include <map>
#include <string>

#include "machine/adapter/StationSettings.h"

namespace machine {

// `base` with every well-formed parameter of `parameters` applied; a value the driver
// cannot read leaves its setting as it was.
StationSettings apply_driver_parameters(StationSettings base, const std::map<std::string, std::string>& parameters);

}  // namespace machine

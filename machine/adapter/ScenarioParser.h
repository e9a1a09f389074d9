#pragma once
// Turns the scenario's "wireless" object into a WirelessScenario, or throws ScenarioError
// naming the field at fault.

#include <nlohmann/json.hpp>

#include "machine/adapter/WirelessScenario.h"

namespace machine {

WirelessScenario parse_wireless_scenario(const nlohmann::json& wireless);

}  // namespace machine

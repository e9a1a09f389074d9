#pragma once
// Turns the scenario's "wireless" object into a WirelessScenario, or throws ScenarioError
// naming the field at fault.

#include <string>

#include <nlohmann/json.hpp>

#include "machine/adapter/WirelessScenario.h"

namespace machine {

WirelessScenario parse_wireless_scenario(const nlohmann::json& wireless);
// One network of the radio world, as in the scenario's "networks" list; `path` names it in errors.
RadioNetwork parse_radio_network(const nlohmann::json& network, const std::string& path);
// "02:48:42:00:01:02"; throws ScenarioError naming `path` for anything else.
MacAddress parse_mac_address(const std::string& text, const std::string& path);

}  // namespace machine

#pragma once
// How the machine makes its wireless adapter from the scenario's "wireless" object.

#include <memory>
#include <nlohmann/json.hpp>

#include "machine/Clock.h"
#include "machine/adapter/SimulatedAdapter.h"

namespace machine {

// Throws ScenarioError (a std::runtime_error) naming the field at fault.
std::unique_ptr<SimulatedAdapter> make_simulated_adapter(const nlohmann::json& wireless, Clock& clock);

// The built-in radio world: a handful of open and WEP networks, the station joined to one.
nlohmann::json default_wireless_scenario();

}  // namespace machine

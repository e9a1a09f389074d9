#pragma once
// Serves the control requests: looks at and changes the running machine as a person with
// the card and the access points in reach would.

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace machine {
class Machine;
}

namespace machine::service {

// The result of the control request `operation`, or nothing when no control request has
// that name. Throws std::invalid_argument (or nlohmann::json::exception) naming what is
// wrong with the arguments; the machine is then left as it was.
std::optional<nlohmann::json> serve_control(Machine& machine, const std::string& operation,
                                            const nlohmann::json& arguments);

}  // namespace machine::service

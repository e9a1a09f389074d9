#pragma once
// Serves the MachinePort calls that arrive as messages: each request is checked, handed to
// the machine, and its result made into an answer.

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "machine/MachinePort.h"

namespace machine::service {

// The result of `operation` on `port`, or nothing when no port call has that name. Throws
// nlohmann::json::exception or std::invalid_argument when the arguments are not the call's.
std::optional<nlohmann::json> serve_port_call(MachinePort& port, const std::string& operation,
                                              const nlohmann::json& arguments);

// A device's answer is carried back whole in one message; larger output buffers are refused.
constexpr std::uint32_t kMaxDeviceOutputBytes = 512u * 1024;

}  // namespace machine::service

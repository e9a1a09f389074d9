#pragma once
// Failures a test or a scenario injects into the machine.

#include <cstdint>
#include <vector>

namespace machine {

struct Faults {
    bool device_open_fails = false;        // the protocol driver's devices cannot be opened
    bool device_open_leaves_183 = false;   // an open succeeds but reports "already exists"
    // Allocations succeed this many times, then fail; negative: never fail.
    int allocations_before_failure = -1;
    bool service_missing = false;
    bool service_start_fails = false;
    bool service_stuck_start_pending = false;
    std::vector<std::uint32_t> failing_codes;  // device-control codes that fail
    std::vector<std::uint32_t> failing_oids;   // identifiers whose query or set fails
    // IP helper errors (0: none), for the size query and for the call that fills the buffer.
    std::uint32_t adapters_info_sizing_error = 0;
    std::uint32_t adapters_info_error = 0;
    std::uint32_t network_params_sizing_error = 0;
    std::uint32_t network_params_error = 0;
    // HKEY_LOCAL_MACHINE refuses every change, as it does for a limited user.
    bool registry_read_only = false;
    // Every shell open and every command fails with this code (0: none).
    std::uint32_t shell_error = 0;

    bool operator==(const Faults&) const = default;
};

}  // namespace machine

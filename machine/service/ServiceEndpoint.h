#pragma once
// Where the service of a machine listens: a socket in the user's runtime folder, named after
// the machine's state directory, so that every process on one machine finds the same service.

#include <filesystem>
#include <string>

namespace machine::service {

// $XDG_RUNTIME_DIR/zephra; without XDG_RUNTIME_DIR, /tmp/zephra-UID, which prepare_runtime_folder
// checks belongs to this user alone (another user could have made it first).
std::filesystem::path runtime_folder();

// Creates `folder` when missing (0700) and checks that it is a real directory of this user
// that no one else may enter. Returns what is wrong, or "".
std::string prepare_runtime_folder(const std::filesystem::path& folder);

struct ServiceEndpoint {
    std::filesystem::path socket;  // the listening socket
    std::filesystem::path lock;    // held by the running service for its whole life; holds its process id
    std::filesystem::path log;     // what a service started on demand says (refusals, failures)
};

// The endpoint of the machine kept in `machine_directory`, in `folder`.
ServiceEndpoint endpoint_for(const std::filesystem::path& folder, const std::string& machine_directory);

// True when the process its lock names is alive: a service, of any version, may be keeping the
// machine's state. Only read, so that a service starting meanwhile is not disturbed.
bool service_process_alive(const ServiceEndpoint& endpoint);

}  // namespace machine::service

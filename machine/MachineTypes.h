#pragma once
// Plain data that crosses the machine's interface: what the platform asks and what it gets.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace machine {

struct OsVersion {
    std::uint32_t platform_id = 2;  // 1: the 9x family, 2: the NT family
    std::uint32_t major = 5;
    std::uint32_t minor = 1;
    std::uint32_t build = 2600;
    std::string service_pack;
};

// A device of the network adapter class, as the device installer lists it.
struct ClassDevice {
    std::string description;
    std::string service;
    std::string driver_key;
    std::string instance_id;
    bool present = true;
    bool wireless = false;  // the wireless card: goes and comes back with hot-plug
    // The driver key's `DriverDesc` (empty: the description) and the driver's parameters.
    std::string driver_desc;
    std::map<std::string, std::string> driver_parameters;

    bool operator==(const ClassDevice&) const = default;
};

struct IpAddressEntry {
    std::string address;
    std::string mask;

    bool operator==(const IpAddressEntry&) const = default;
};

// An adapter of the IP stack.
struct IpAdapter {
    std::string name;
    std::string description;
    std::vector<IpAddressEntry> addresses;
    std::vector<std::string> gateways;
    bool wireless = false;

    bool operator==(const IpAdapter&) const = default;
};

struct NetworkParams {
    std::string host_name;
    std::string domain_name;
    std::vector<std::string> dns_servers;

    bool operator==(const NetworkParams&) const = default;
};

// The errors an IP helper call is to fail with (0: none): its size query (no buffer, or one too
// small) and the call that fills the buffer.
struct IpHelperErrors {
    std::uint32_t sizing = 0;
    std::uint32_t filling = 0;

    std::uint32_t of(bool sizing_call) const { return sizing_call ? sizing : filling; }
    bool operator==(const IpHelperErrors&) const = default;
};

// What an IP helper call finds, its data and its errors in one answer: a call is one trip to the
// machine, which counts when the machine is a service in another process.
struct IpAdaptersAnswer {
    std::vector<IpAdapter> adapters;
    IpHelperErrors errors;
};

struct NetworkParamsAnswer {
    NetworkParams params;
    IpHelperErrors errors;
};

enum class ServiceState : std::uint32_t { Stopped = 1, StartPending = 2, StopPending = 3, Running = 4 };

struct ServiceQuery {
    std::uint32_t error = 0;
    ServiceState state = ServiceState::Stopped;
};

// Result of opening a device: `device` is 0 when the open failed; `error` is the last
// error the open leaves behind (it may be nonzero on success, e.g. "already exists").
struct OpenResult {
    std::uint32_t device = 0;
    std::uint32_t error = 0;
};

struct ControlResult {
    bool ok = false;
    std::uint32_t error = 0;
    std::vector<std::uint8_t> output;  // at most the output size asked for
};

// One device-control request as the protocol driver received it.
struct LoggedRequest {
    std::uint32_t code = 0;
    std::uint32_t input_size = 0;
    std::uint32_t oid = 0;      // identifier of the record (0 for requests without one)
    std::uint32_t length = 0;   // length field of the record
    std::vector<std::uint8_t> data;  // input bytes after the record header
    bool succeeded = false;
};

// A request to the shell: opening a target, or running a command line split into arguments.
enum class ShellCall { Open, Exec };

struct ShellRequest {
    ShellCall call = ShellCall::Open;
    std::string verb;                    // Open only
    std::string target;                  // the target opened, or the whole command line
    std::vector<std::string> arguments;  // Exec only: the command line split, program first

    bool operator==(const ShellRequest&) const = default;
};

// What the machine makes of a shell request: the platform's result code, or run it on the
// desktop (the opener names the program that opens targets there).
struct ShellAnswer {
    std::uint32_t code = 0;
    bool on_desktop = false;
    std::string opener;
};

}  // namespace machine

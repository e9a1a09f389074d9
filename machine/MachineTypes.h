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

enum class IpCall { AdaptersInfo, NetworkParams };

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

}  // namespace machine

#pragma once
// Plain data of the registry calls that cross the machine's interface. A key is named by
// its root and its path below it; nothing points into the machine's memory.

#include <cstdint>
#include <string>
#include <vector>

namespace machine {

enum class RegistryRoot : std::uint32_t { ClassesRoot, CurrentUser, LocalMachine, Users };
constexpr std::uint32_t kRegistryRootCount = 4;

// Value types the hive knows by name; any other number is kept as it is.
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

// Result codes of the registry calls.
constexpr std::uint32_t kRegistryOk = 0;
constexpr std::uint32_t kRegistryNotFound = 2;
constexpr std::uint32_t kRegistryAccessDenied = 5;
constexpr std::uint32_t kRegistryBadPath = 161;
constexpr std::uint32_t kRegistryNoMoreItems = 259;
constexpr std::uint32_t kRegistryKeyDeleted = 1018;

struct RegistryKeyResult {
    std::uint32_t error = kRegistryOk;
    bool created = false;  // a create made the key rather than opening it
};

struct RegistryKeyInfo {
    std::uint32_t error = kRegistryOk;
    std::uint32_t sub_keys = 0;
    std::uint32_t max_sub_key_length = 0;  // characters, without the terminator
    std::uint32_t values = 0;
    std::uint32_t max_value_name_length = 0;
    std::uint32_t max_value_length = 0;  // bytes
};

struct RegistryName {
    std::uint32_t error = kRegistryOk;
    std::string name;
};

struct RegistryData {
    std::uint32_t error = kRegistryOk;
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> bytes;
};

}  // namespace machine

#pragma once
// The handles the program holds open, by kind: a program that runs for days must end a day
// holding as many as it held the day before.

#include <cstddef>

namespace platform {

struct OpenHandles {
    std::size_t devices = 0;           // CreateFileA
    std::size_t service_handles = 0;   // the service control manager and its services
    std::size_t registry_keys = 0;     // predefined roots left out
    std::size_t device_sets = 0;       // SetupAPI device information sets
    std::size_t memory_blocks = 0;     // GlobalAlloc
    std::size_t file_searches = 0;     // FindFirstFileA

    bool operator==(const OpenHandles&) const = default;
};

OpenHandles CurrentOpenHandles();

// Each kind's count, kept by the file that owns its handles.
std::size_t OpenDeviceCount();
std::size_t OpenServiceHandleCount();
std::size_t OpenRegistryKeyCount();
std::size_t OpenDeviceSetCount();
std::size_t AllocatedBlockCount();
std::size_t OpenFileSearchCount();

}  // namespace platform

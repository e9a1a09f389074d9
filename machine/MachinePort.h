#pragma once
// The one interface the platform layer reaches the machine through. Plain data in and out,
// so that the same calls can later be served to other processes.

#include <cstdint>
#include <string>
#include <vector>

#include "machine/MachineTypes.h"
#include "machine/RegistryTypes.h"

namespace machine {

class MachinePort {
public:
    virtual ~MachinePort() = default;

    virtual OsVersion os_version() = 0;
    virtual std::string computer_name() = 0;
    virtual std::uint16_t default_language() = 0;

    // Asked before every global-memory allocation: false when it is to fail.
    virtual bool permit_allocation() = 0;

    virtual OpenResult open_device(const std::string& path) = 0;
    virtual bool close_device(std::uint32_t device) = 0;
    // `memory` starts with the `input_size` input bytes; a 9x driver reads the caller's
    // memory directly, so whatever follows is the rest of the caller's buffer.
    virtual ControlResult device_control(std::uint32_t device, std::uint32_t code,
                                         const std::vector<std::uint8_t>& memory,
                                         std::uint32_t input_size, std::uint32_t output_size) = 0;

    // Service control; each returns a last-error code, 0 for success.
    virtual std::uint32_t open_service(const std::string& name) = 0;
    virtual std::uint32_t start_service(const std::string& name) = 0;
    virtual ServiceQuery query_service(const std::string& name) = 0;
    virtual std::uint32_t stop_service(const std::string& name) = 0;

    // The network adapter class devices that are present, in the installer's order.
    virtual std::vector<ClassDevice> present_class_devices() = 0;
    // The class installer's property-change restart. Returns a last-error code, 0 for success.
    virtual std::uint32_t restart_device(const std::string& instance_id) = 0;

    // The IP helper's data, each with the errors its calls are to fail with.
    virtual IpAdaptersAnswer ip_adapters() = 0;
    virtual NetworkParamsAnswer network_params() = 0;

    // The Windows directory as the system names it ("C:\WINDOWS").
    virtual std::string windows_directory() = 0;
    // The real file or folder behind a Windows path on the machine's drive; "" for none.
    virtual std::string host_path(const std::string& windows_path) = 0;
    // Opening a target or running a command: the machine records it and decides the result.
    virtual ShellAnswer shell(const ShellRequest& request) = 0;
    virtual void message_beep(std::uint32_t type) = 0;
    // The registry. A key is named by its root and its path below it ("" for the root);
    // `write` asks for the right to change it. Each returns a registry result code.
    virtual RegistryKeyResult registry_open_key(RegistryRoot root, const std::string& path, bool write) = 0;
    virtual RegistryKeyResult registry_create_key(RegistryRoot root, const std::string& path, bool write) = 0;
    virtual RegistryKeyInfo registry_key_info(RegistryRoot root, const std::string& path) = 0;
    // The name of the `index`-th sub-key, in the hive's stable order.
    virtual RegistryName registry_sub_key_name(RegistryRoot root, const std::string& path, std::uint32_t index) = 0;
    // `name` "" is the key's default value.
    virtual RegistryData registry_query_value(RegistryRoot root, const std::string& path, const std::string& name) = 0;
    virtual std::uint32_t registry_set_value(RegistryRoot root, const std::string& path, const std::string& name,
                                             std::uint32_t type, const std::vector<std::uint8_t>& data) = 0;
    // A key that was changed has been closed: the changes are to be kept.
    virtual void registry_changed_key_closed() = 0;
};

}  // namespace machine

#pragma once
// The adapter maker's protocol driver: its devices, its binding to the wireless adapter,
// the requests it passes to the adapter, and the log of every request it received.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "machine/Adapter.h"
#include "machine/MachineTypes.h"

namespace machine {

struct Faults;

namespace ioctl {
constexpr std::uint32_t kQuery = 0x80000000;
constexpr std::uint32_t kSet = 0x80000004;
constexpr std::uint32_t kUnbindEvent = 0x8000001C;
constexpr std::uint32_t kBind = 0x80000020;
constexpr std::uint32_t kUnbind = 0x80000028;
}  // namespace ioctl

// What a bind request must name to reach the wireless adapter.
struct BindTarget {
    bool present = false;
    std::string nt_device_path;  // "\Device\" and the IP stack's adapter name
    std::string instance_key;    // the 9x driver key's four-digit instance number
};

class ProtocolDriver {
public:
    enum class DeviceKind { Win9x, Nt };

    ProtocolDriver(const Faults& faults, std::unique_ptr<Adapter> adapter);

    std::uint32_t open(DeviceKind kind);
    bool close(std::uint32_t device);
    ControlResult control(std::uint32_t device, std::uint32_t code, const std::vector<std::uint8_t>& memory,
                          std::uint32_t input_size, std::uint32_t output_size, const BindTarget& target);

    // The binding goes away under the driver (adapter removed, miniport restarted, service
    // stopped); with `signal` the unbind-event poll reports it.
    void drop_binding(bool signal);
    bool bound() const { return m_bound; }

    Adapter& adapter() { return *m_adapter; }
    void set_adapter(std::unique_ptr<Adapter> adapter) { m_adapter = std::move(adapter); }

    // The latest requests, oldest first. A program polls for as long as it runs, so the log
    // keeps at most kLogLimit of them: once full, the older half goes.
    static constexpr std::size_t kLogLimit = 4096;
    const std::vector<LoggedRequest>& log() const { return m_log; }
    void clear_log() { m_log.clear(); }

private:
    ControlResult pass_to_adapter(std::uint32_t code, const std::vector<std::uint8_t>& memory,
                                  std::uint32_t input_size, std::uint32_t output_size);
    ControlResult bind(DeviceKind kind, const std::vector<std::uint8_t>& memory, std::uint32_t input_size,
                       const BindTarget& target);
    bool injected_failure(std::uint32_t code, std::uint32_t oid) const;

    const Faults& m_faults;
    std::unique_ptr<Adapter> m_adapter;
    std::map<std::uint32_t, DeviceKind> m_devices;
    std::uint32_t m_next_device = 1;
    bool m_bound = false;
    bool m_binding_lost = false;
    std::vector<LoggedRequest> m_log;
};

}  // namespace machine

#include "machine/ProtocolDriver.h"

#include <algorithm>
#include <cstring>

#include "machine/ErrorCodes.h"
#include "machine/Faults.h"

namespace machine {

namespace {
constexpr std::uint32_t kHeaderSize = 8;

std::uint32_t read_u32(const std::vector<std::uint8_t>& memory, std::size_t offset)
{
    std::uint32_t value = 0;
    if (memory.size() >= offset + 4)
        std::memcpy(&value, memory.data() + offset, 4);
    return value;
}

bool contains(const std::vector<std::uint32_t>& list, std::uint32_t value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}
}  // namespace

ProtocolDriver::ProtocolDriver(const Faults& faults, std::unique_ptr<Adapter> adapter)
    : m_faults(faults), m_adapter(std::move(adapter))
{
}

std::uint32_t ProtocolDriver::open(DeviceKind kind)
{
    std::uint32_t id = m_next_device++;
    m_devices[id] = kind;
    return id;
}

bool ProtocolDriver::close(std::uint32_t device)
{
    auto it = m_devices.find(device);
    if (it == m_devices.end())
        return false;
    DeviceKind kind = it->second;
    m_devices.erase(it);
    // The 9x driver is loaded for its open handles only; with the last one it unloads.
    bool any_9x = std::any_of(m_devices.begin(), m_devices.end(),
                              [](const auto& d) { return d.second == DeviceKind::Win9x; });
    if (kind == DeviceKind::Win9x && !any_9x)
        drop_binding(false);
    return true;
}

void ProtocolDriver::drop_binding(bool signal)
{
    if (m_bound && signal)
        m_binding_lost = true;
    m_bound = false;
}

bool ProtocolDriver::injected_failure(std::uint32_t code, std::uint32_t oid) const
{
    return contains(m_faults.failing_codes, code) ||
           ((code == ioctl::kQuery || code == ioctl::kSet) && contains(m_faults.failing_oids, oid));
}

ControlResult ProtocolDriver::control(std::uint32_t device, std::uint32_t code, const std::vector<std::uint8_t>& memory,
                                      std::uint32_t input_size, std::uint32_t output_size, const BindTarget& target)
{
    input_size = std::min<std::uint32_t>(input_size, static_cast<std::uint32_t>(memory.size()));
    LoggedRequest entry;
    entry.code = code;
    entry.input_size = input_size;
    if (code != ioctl::kUnbindEvent && input_size >= kHeaderSize) {
        entry.oid = read_u32(memory, 0);
        entry.length = read_u32(memory, 4);
        entry.data.assign(memory.begin() + kHeaderSize, memory.begin() + input_size);
    } else {
        entry.data.assign(memory.begin(), memory.begin() + input_size);
    }

    ControlResult result;
    auto it = m_devices.find(device);
    if (it == m_devices.end()) {
        result.error = kErrorInvalidHandle;
    } else if (injected_failure(code, entry.oid)) {
        result.error = kErrorGenFailure;
    } else if (code == ioctl::kQuery || code == ioctl::kSet) {
        result = pass_to_adapter(code, memory, input_size, output_size);
    } else if (code == ioctl::kBind) {
        result = bind(it->second, memory, input_size, target);
    } else if (code == ioctl::kUnbind) {
        m_bound = false;
        result.ok = true;
    } else if (code == ioctl::kUnbindEvent) {
        if (output_size < 4) {
            result.error = kErrorInsufficientBuffer;
        } else {
            std::uint32_t answer = m_binding_lost ? 1 : 0;
            result.output.resize(4);
            std::memcpy(result.output.data(), &answer, 4);
            result.ok = true;
        }
    } else {
        result.error = kErrorInvalidFunction;
    }
    entry.succeeded = result.ok;
    if (m_log.size() >= kLogLimit)
        m_log.erase(m_log.begin(), m_log.begin() + static_cast<std::ptrdiff_t>(kLogLimit / 2));
    m_log.push_back(std::move(entry));
    return result;
}

ControlResult ProtocolDriver::pass_to_adapter(std::uint32_t code, const std::vector<std::uint8_t>& memory,
                                              std::uint32_t input_size, std::uint32_t output_size)
{
    ControlResult result;
    if (input_size < kHeaderSize) {
        result.error = kErrorInvalidParameter;
        return result;
    }
    if (!m_bound) {
        result.error = kErrorNotReady;
        return result;
    }
    std::uint32_t oid = read_u32(memory, 0);
    std::uint32_t length = read_u32(memory, 4);
    if (code == ioctl::kSet) {
        std::uint32_t size = std::min(length, input_size - kHeaderSize);
        std::span<const std::uint8_t> data(memory.data() + kHeaderSize, size);
        result.ok = m_adapter->set(oid, data);
        if (!result.ok)
            result.error = kErrorNotSupported;
        result.output.assign(memory.begin(), memory.begin() + std::min(input_size, output_size));
        return result;
    }
    if (output_size < kHeaderSize) {
        result.error = kErrorInsufficientBuffer;
        return result;
    }
    // The answer never exceeds the record's length or the caller's output buffer.
    std::uint32_t size = std::min(length, output_size - kHeaderSize);
    result.output.assign(kHeaderSize + size, 0);
    std::copy(memory.begin(), memory.begin() + kHeaderSize, result.output.begin());
    result.ok = m_adapter->query(oid, std::span<std::uint8_t>(result.output.data() + kHeaderSize, size));
    if (!result.ok) {
        result.error = kErrorNotSupported;
        std::fill(result.output.begin() + kHeaderSize, result.output.end(), std::uint8_t{0});
    }
    return result;
}

ControlResult ProtocolDriver::bind(DeviceKind kind, const std::vector<std::uint8_t>& memory, std::uint32_t input_size,
                                   const BindTarget& target)
{
    ControlResult result;
    std::string name;
    if (kind == DeviceKind::Win9x) {
        // The 9x driver reads the key from the caller's record, past the sizes it was given.
        for (std::size_t i = kHeaderSize; i < memory.size() && i < kHeaderSize + 5 && memory[i] != 0; ++i)
            name += static_cast<char>(memory[i]);
    } else {
        if (input_size < kHeaderSize) {
            result.error = kErrorInvalidParameter;
            return result;
        }
        std::uint32_t length = std::min(read_u32(memory, 4), input_size - kHeaderSize);
        name.assign(memory.begin() + kHeaderSize, memory.begin() + kHeaderSize + length);
    }
    const std::string& wanted = kind == DeviceKind::Win9x ? target.instance_key : target.nt_device_path;
    if (!target.present || wanted.empty() || name != wanted) {
        result.error = kErrorDevNotExist;
        return result;
    }
    m_bound = true;
    m_binding_lost = false;
    result.ok = true;
    return result;
}

}  // namespace machine

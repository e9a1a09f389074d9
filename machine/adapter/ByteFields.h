#pragma once
// Little-endian fields of an answer. A write never goes past the caller's data.

#include <cstdint>
#include <span>
#include <string_view>

namespace machine {

inline void put_bytes(std::span<std::uint8_t> data, std::size_t offset, std::span<const std::uint8_t> bytes)
{
    for (std::size_t i = 0; i < bytes.size() && offset + i < data.size(); ++i)
        data[offset + i] = bytes[i];
}

inline void put_u32(std::span<std::uint8_t> data, std::size_t offset, std::uint32_t value)
{
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                   static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    put_bytes(data, offset, bytes);
}

inline void put_u16(std::span<std::uint8_t> data, std::size_t offset, std::uint16_t value)
{
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    put_bytes(data, offset, bytes);
}

inline void put_text(std::span<std::uint8_t> data, std::size_t offset, std::string_view text)
{
    put_bytes(data, offset, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

// Callers check the size first.
inline std::uint32_t get_u32(std::span<const std::uint8_t> data, std::size_t offset)
{
    return static_cast<std::uint32_t>(data[offset]) | (static_cast<std::uint32_t>(data[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(data[offset + 2]) << 16) | (static_cast<std::uint32_t>(data[offset + 3]) << 24);
}

}  // namespace machine

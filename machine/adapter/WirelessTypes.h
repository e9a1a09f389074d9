#pragma once
// Plain values shared by the radio world, the station and the scenario.

#include <array>
#include <cstdint>
#include <vector>

namespace machine {

using MacAddress = std::array<std::uint8_t, 6>;
// WEP key material: 5 bytes (40-bit) or 13 bytes (104-bit); empty when the slot is unset.
using WepKey = std::vector<std::uint8_t>;
using WepKeySlots = std::array<WepKey, 4>;

// The 802.11 infrastructure-mode values.
enum class InfrastructureMode : std::uint32_t { AdHoc = 0, Infrastructure = 1, Automatic = 2 };

inline constexpr std::uint32_t kAuthenticationModeCount = 6;  // open ... WPA-None
inline constexpr std::uint32_t kPowerModeCount = 3;           // continuous, max saving, fast saving
inline constexpr std::uint8_t kAllRates = 15;                 // 1, 2, 5.5 and 11 Mbps

}  // namespace machine

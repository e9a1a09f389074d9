#pragma once
// The object identifiers the simulated adapter answers: the published 802.3 and 802.11
// ones, and the private ones of the adapter's miniport.

#include <cstdint>

namespace machine::oid {

inline constexpr std::uint32_t kPermanentAddress = 0x01010101;
inline constexpr std::uint32_t kCurrentAddress = 0x01010102;
inline constexpr std::uint32_t kBssid = 0x0D010101;
inline constexpr std::uint32_t kSsid = 0x0D010102;
inline constexpr std::uint32_t kInfrastructureMode = 0x0D010108;
inline constexpr std::uint32_t kAddWep = 0x0D010113;
inline constexpr std::uint32_t kAuthenticationMode = 0x0D010118;
inline constexpr std::uint32_t kBssidListScan = 0x0D01011A;
inline constexpr std::uint32_t kWepStatus = 0x0D01011B;
inline constexpr std::uint32_t kRssi = 0x0D010206;
inline constexpr std::uint32_t kDesiredRates = 0x0D010210;
inline constexpr std::uint32_t kPowerMode = 0x0D010216;
inline constexpr std::uint32_t kBssidList = 0x0D010217;
inline constexpr std::uint32_t kChannel = 0xFFFFFFAE;
inline constexpr std::uint32_t kLinkState = 0xFFFFFFA6;
inline constexpr std::uint32_t kFirmwareVersion = 0xFFFFFF6D;
inline constexpr std::uint32_t kDriverVersion = 0xFFFFFF6F;
inline constexpr std::uint32_t kEepromVersion = 0xFFFFFF36;
inline constexpr std::uint32_t kTrafficCounters = 0xFFFFFF55;

// Values carried by the 802.11 identifiers.
inline constexpr std::uint32_t kWepEnabled = 0;
inline constexpr std::uint32_t kWepDisabled = 1;
inline constexpr std::uint32_t kTransmitKeyBit = 0x80000000;

}  // namespace machine::oid

#pragma once
// Scan answers as the adapter writes them, built record by record for the tests.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace scan_test {

struct Record {
    std::array<std::uint8_t, 6> bssid{};
    std::string ssid;  // its bytes go into the 32-byte field as they are, unterminated at 32
    std::uint32_t mode = 1;
    std::uint32_t privacy = 0;
    std::int32_t rssi = -50;
    std::uint32_t frequency_khz = 2437000;
};

constexpr std::size_t kAnswerSize = 3000;
constexpr std::size_t kRecordSize = 104;

inline void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

// `count` is what the count field says; -1 for the number of records.
inline std::vector<std::uint8_t> ScanAnswer(const std::vector<Record>& records, long count = -1)
{
    std::vector<std::uint8_t> bytes(kAnswerSize, 0);
    Put(bytes, 0, static_cast<std::uint32_t>(count < 0 ? static_cast<long>(records.size()) : count));
    for (std::size_t i = 0; i < records.size() && 4 + (i + 1) * kRecordSize <= kAnswerSize; ++i) {
        const Record& r = records[i];
        const std::size_t at = 4 + i * kRecordSize;
        Put(bytes, at, static_cast<std::uint32_t>(kRecordSize));
        std::memcpy(bytes.data() + at + 4, r.bssid.data(), 6);
        Put(bytes, at + 12, static_cast<std::uint32_t>(r.ssid.size()));
        std::memcpy(bytes.data() + at + 16, r.ssid.data(), std::min<std::size_t>(r.ssid.size(), 32));
        Put(bytes, at + 48, r.privacy);
        Put(bytes, at + 52, static_cast<std::uint32_t>(r.rssi));
        Put(bytes, at + 72, r.frequency_khz);
        Put(bytes, at + 92, r.mode);
    }
    return bytes;
}

inline std::array<std::uint8_t, 6> Mac(std::uint8_t last) { return {0x02, 0x4C, 0x4B, 0x00, 0x06, last}; }

}  // namespace scan_test

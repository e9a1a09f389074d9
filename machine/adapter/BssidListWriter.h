#pragma once
// Writes scan records as the 802.11 BSSID list: a 32-bit count, then 104-byte entries.

#include <cstdint>
#include <span>
#include <vector>

#include "machine/adapter/ScanRecord.h"

namespace machine {

class BssidListWriter {
public:
    static constexpr std::size_t kEntrySize = 104;
    static constexpr std::size_t kMaxEntries = 28;

    // Frequency in kHz of an 802.11b channel (1-14).
    static std::uint32_t channel_frequency_khz(int channel);

    // As many whole entries as `data` holds, at most kMaxEntries; the count says how many.
    // Returns false when `data` cannot even hold the count.
    static bool write(std::span<std::uint8_t> data, const std::vector<ScanRecord>& records);

private:
    static void write_entry(std::span<std::uint8_t> entry, const ScanRecord& record);
};

}  // namespace machine

#include "machine/adapter/BssidListWriter.h"

#include <algorithm>

#include "machine/adapter/ByteFields.h"

namespace machine {

namespace {
constexpr std::uint32_t kNetworkTypeDirectSequence = 1;
constexpr std::uint32_t kConfigurationLength = 32;
constexpr std::uint32_t kFrequencyHoppingLength = 16;
constexpr std::uint32_t kBeaconPeriodKus = 100;
// 1 and 2 Mbps are basic rates (top bit set); 5.5 and 11 Mbps are supported. 500 kbit/s units.
constexpr std::uint8_t kSupportedRates[] = {0x82, 0x84, 0x0B, 0x16};
}  // namespace

std::uint32_t BssidListWriter::channel_frequency_khz(int channel)
{
    if (channel == 14)
        return 2484000;
    return static_cast<std::uint32_t>(2407000 + 5000 * channel);
}

void BssidListWriter::write_entry(std::span<std::uint8_t> entry, const ScanRecord& record)
{
    put_u32(entry, 0, static_cast<std::uint32_t>(kEntrySize));
    put_bytes(entry, 4, record.bssid);
    put_u32(entry, 12, static_cast<std::uint32_t>(record.ssid.size()));
    put_text(entry, 16, record.ssid);
    put_u32(entry, 48, record.privacy ? 1 : 0);
    put_u32(entry, 52, static_cast<std::uint32_t>(record.rssi_dbm));
    put_u32(entry, 56, kNetworkTypeDirectSequence);
    put_u32(entry, 60, kConfigurationLength);
    put_u32(entry, 64, kBeaconPeriodKus);
    put_u32(entry, 68, 0);
    put_u32(entry, 72, channel_frequency_khz(record.channel));
    put_u32(entry, 76, kFrequencyHoppingLength);
    put_u32(entry, 92, static_cast<std::uint32_t>(record.mode));
    put_bytes(entry, 96, kSupportedRates);
}

bool BssidListWriter::write(std::span<std::uint8_t> data, const std::vector<ScanRecord>& records)
{
    if (data.size() < 4)
        return false;
    const std::size_t count = std::min({records.size(), kMaxEntries, (data.size() - 4) / kEntrySize});
    put_u32(data, 0, static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i)
        write_entry(data.subspan(4 + i * kEntrySize, kEntrySize), records[i]);
    return true;
}

}  // namespace machine

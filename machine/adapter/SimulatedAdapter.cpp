#include "machine/adapter/SimulatedAdapter.h"

#include <algorithm>

#include "machine/adapter/BssidListWriter.h"
#include "machine/adapter/ByteFields.h"
#include "machine/adapter/DriverParameters.h"
#include "machine/adapter/Identifiers.h"

namespace machine {

namespace {

constexpr std::size_t kSsidRecordSize = 36;
constexpr std::size_t kMaxSsidLength = 32;
constexpr std::size_t kWepRecordHeader = 12;
constexpr std::size_t kWepKeyMaterialSize = 30;
constexpr std::size_t kVersionRecordSize = 12;
constexpr std::size_t kDesiredRatesSize = 8;

bool fits(std::span<const std::uint8_t> data, std::size_t needed) { return data.size() >= needed; }

void write_version(std::span<std::uint8_t> data, const VersionFields& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        put_u16(data, 2 * i, fields[i]);
}

}  // namespace

SimulatedAdapter::SimulatedAdapter(WirelessScenario scenario, Clock& clock)
    : m_clock(clock),
      m_scenario(std::move(scenario)),
      m_settings(m_scenario.station),
      m_world(m_scenario),
      m_counters(m_scenario.traffic, m_scenario.seed),
      m_updated_ms(clock.now_ms())
{
    m_world.apply_events_until(m_updated_ms);
    m_association.join(m_settings, m_world, m_updated_ms);
    start_scan();
}

void SimulatedAdapter::start_scan()
{
    // A request while a scan runs joins that scan.
    if (!m_scan_done_ms)
        m_scan_done_ms = m_updated_ms + m_scenario.scan_time_ms;
}

void SimulatedAdapter::advance_to(std::uint64_t t)
{
    if (joined())
        m_counters.accumulate(m_updated_ms, t);
    m_updated_ms = t;
    m_world.apply_events_until(t);
    if (m_scan_done_ms && *m_scan_done_ms <= t) {
        m_scan_result = m_world.scan(t);
        m_scan_done_ms.reset();
    }
    m_association.follow(m_settings, m_world, t);
}

void SimulatedAdapter::bring_up_to_date()
{
    const std::uint64_t now = std::max(m_clock.now_ms(), m_updated_ms);
    // Step through every event and scan end on the way, so that traffic stops when the link
    // dropped and a scan sees the world as it was when it finished.
    for (;;) {
        std::optional<std::uint64_t> next = m_world.next_event_ms();
        if (m_scan_done_ms && (!next || *m_scan_done_ms < *next))
            next = m_scan_done_ms;
        if (!next || *next > now)
            break;
        advance_to(std::max(*next, m_updated_ms));
    }
    advance_to(now);
}

bool SimulatedAdapter::query(std::uint32_t oid, std::span<std::uint8_t> data)
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    return answer(oid, data);
}

bool SimulatedAdapter::set(std::uint32_t oid, std::span<const std::uint8_t> data)
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    return apply(oid, data);
}

bool SimulatedAdapter::answer(std::uint32_t oid, std::span<std::uint8_t> data)
{
    const auto needs = [&](std::size_t size) { return fits(data, size); };
    switch (oid) {
    case oid::kPermanentAddress:
    case oid::kCurrentAddress:
        if (!needs(6))
            return false;
        put_bytes(data, 0, m_scenario.station_address);
        return true;
    case oid::kBssid:
        if (!needs(6))
            return false;
        if (joined())
            put_bytes(data, 0, m_world.network(*joined()).bssid);
        return true;
    case oid::kSsid:
        if (!needs(kSsidRecordSize))
            return false;
        if (joined()) {
            const std::string& ssid = m_world.network(*joined()).ssid;
            put_u32(data, 0, static_cast<std::uint32_t>(ssid.size()));
            put_text(data, 4, ssid);
        }
        return true;
    case oid::kInfrastructureMode:
        if (!needs(4))
            return false;
        put_u32(data, 0, static_cast<std::uint32_t>(m_settings.mode));
        return true;
    case oid::kWepStatus:
        if (!needs(4))
            return false;
        put_u32(data, 0, m_settings.wep_enabled ? oid::kWepEnabled : oid::kWepDisabled);
        return true;
    case oid::kAuthenticationMode:
        if (!needs(4))
            return false;
        put_u32(data, 0, m_settings.authentication);
        return true;
    case oid::kPowerMode:
        if (!needs(4))
            return false;
        put_u32(data, 0, m_settings.power_mode);
        return true;
    case oid::kRssi:
        if (!needs(4))
            return false;
        put_u32(data, 0, static_cast<std::uint32_t>(joined() ? m_world.signal_dbm(*joined(), m_updated_ms) : kNoSignalDbm));
        return true;
    case oid::kDesiredRates:
        if (!needs(kDesiredRatesSize))
            return false;
        data[0] = m_settings.rate_mask;
        return true;
    case oid::kBssidList:
        return BssidListWriter::write(data, m_scan_result);
    case oid::kChannel:
        if (!needs(4))
            return false;
        data[0] = static_cast<std::uint8_t>(joined() ? m_world.network(*joined()).channel : 0);
        return true;
    case oid::kLinkState:
        if (!needs(4))
            return false;
        data[0] = joined() ? 1 : 0;
        return true;
    case oid::kFirmwareVersion:
    case oid::kDriverVersion:
    case oid::kEepromVersion:
        if (!needs(kVersionRecordSize))
            return false;
        write_version(data, oid == oid::kFirmwareVersion ? m_scenario.firmware_version
                            : oid == oid::kDriverVersion ? m_scenario.driver_version
                                                         : m_scenario.eeprom_version);
        return true;
    case oid::kTrafficCounters:
        if (!needs(TrafficCounters::kRecordSize))
            return false;
        m_counters.write(data);
        return true;
    default:
        return false;
    }
}

bool SimulatedAdapter::apply(std::uint32_t oid, std::span<const std::uint8_t> data)
{
    const auto value_in = [&](std::uint32_t count) -> std::optional<std::uint32_t> {
        if (!fits(data, 4) || get_u32(data, 0) >= count)
            return std::nullopt;
        return get_u32(data, 0);
    };
    switch (oid) {
    case oid::kSsid:
        return set_ssid(data);
    case oid::kAddWep:
        return add_wep_key(data);
    case oid::kBssidListScan:
        start_scan();
        return true;
    case oid::kInfrastructureMode:
        if (auto mode = value_in(3)) {
            m_settings.mode = static_cast<InfrastructureMode>(*mode);
            return true;
        }
        return false;
    case oid::kWepStatus:
        if (auto status = value_in(2)) {
            m_settings.wep_enabled = *status == oid::kWepEnabled;
            return true;
        }
        return false;
    case oid::kAuthenticationMode:
        if (auto mode = value_in(kAuthenticationModeCount)) {
            m_settings.authentication = *mode;
            return true;
        }
        return false;
    case oid::kPowerMode:
        if (auto mode = value_in(kPowerModeCount)) {
            m_settings.power_mode = *mode;
            return true;
        }
        return false;
    case oid::kDesiredRates:
        if (!fits(data, 1) || data[0] == 0 || data[0] > kAllRates)
            return false;
        m_settings.rate_mask = data[0];
        return true;
    default:
        return false;
    }
}

bool SimulatedAdapter::set_ssid(std::span<const std::uint8_t> data)
{
    if (!fits(data, kSsidRecordSize))
        return false;
    const std::uint32_t length = get_u32(data, 0);
    if (length > kMaxSsidLength)
        return false;
    m_settings.ssid.assign(reinterpret_cast<const char*>(data.data() + 4), length);
    m_association.join(m_settings, m_world, m_updated_ms);
    return true;
}

bool SimulatedAdapter::add_wep_key(std::span<const std::uint8_t> data)
{
    if (!fits(data, kWepRecordHeader))
        return false;
    const std::uint32_t index = get_u32(data, 4);
    const std::uint32_t slot = index & ~oid::kTransmitKeyBit;
    const std::uint32_t length = get_u32(data, 8);
    if (slot > 3 || (length != 5 && length != 13) || length > kWepKeyMaterialSize ||
        !fits(data, kWepRecordHeader + length))
        return false;
    m_settings.keys[slot].assign(data.begin() + kWepRecordHeader, data.begin() + kWepRecordHeader + length);
    if (index & oid::kTransmitKeyBit)
        m_settings.transmit_key = static_cast<int>(slot);
    return true;
}

void SimulatedAdapter::restart(const std::map<std::string, std::string>& parameters)
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    if (!parameters.empty())
        m_settings = apply_driver_parameters(m_scenario.station, parameters);
    // A restarted miniport has forgotten its link and its last scan, and looks again.
    m_association.join(m_settings, m_world, m_updated_ms);
    m_scan_result.clear();
    m_scan_done_ms.reset();
    start_scan();
}

bool SimulatedAdapter::link_up()
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    return joined().has_value();
}

std::string SimulatedAdapter::associated_ssid()
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    return joined() ? m_world.network(*joined()).ssid : std::string();
}

StationSettings SimulatedAdapter::settings()
{
    std::lock_guard lock(m_mutex);
    return m_settings;
}

}  // namespace machine

#include "machine/adapter/RadioWorld.h"

#include <utility>

#include "machine/adapter/PseudoRandom.h"

namespace machine {

namespace {
constexpr std::uint64_t kNoiseSlotMs = 1000;
}

RadioWorld::RadioWorld(const WirelessScenario& scenario)
    : m_networks(scenario.networks),
      m_events(scenario.events),
      m_seed(scenario.seed),
      m_sensitivity_dbm(scenario.sensitivity_dbm),
      m_noise_dbm(scenario.noise_dbm)
{
}

std::optional<std::uint64_t> RadioWorld::next_event_ms() const
{
    if (m_next_event >= m_events.size())
        return std::nullopt;
    return m_events[m_next_event].at_ms;
}

void RadioWorld::apply_events_until(std::uint64_t t)
{
    for (; m_next_event < m_events.size() && m_events[m_next_event].at_ms <= t; ++m_next_event) {
        const WorldEvent& event = m_events[m_next_event];
        RadioNetwork& network = m_networks[event.network];
        switch (event.kind) {
        case WorldEvent::Kind::Signal: network.signal_dbm = event.signal_dbm; break;
        case WorldEvent::Kind::SwitchOff: network.on = false; break;
        case WorldEvent::Kind::SwitchOn: network.on = true; break;
        }
    }
}

bool RadioWorld::reachable(std::size_t index) const
{
    const RadioNetwork& network = m_networks[index];
    return network.on && network.signal_dbm >= m_sensitivity_dbm;
}

int RadioWorld::signal_dbm(std::size_t index, std::uint64_t now_ms) const
{
    return m_networks[index].signal_dbm + noise_offset(m_seed, index, now_ms / kNoiseSlotMs, m_noise_dbm);
}

std::vector<ScanRecord> RadioWorld::scan(std::uint64_t now_ms) const
{
    std::vector<ScanRecord> records;
    std::vector<ScanRecord> repeats;
    for (std::size_t i = 0; i < m_networks.size(); ++i) {
        if (!reachable(i))
            continue;
        const RadioNetwork& network = m_networks[i];
        ScanRecord record;
        record.bssid = network.bssid;
        record.ssid = network.hidden ? std::string() : network.ssid;
        record.privacy = network.privacy;
        record.rssi_dbm = signal_dbm(i, now_ms);
        record.channel = network.channel;
        record.mode = network.mode;
        records.push_back(record);
        for (int extra = 1; extra < network.records; ++extra)
            repeats.push_back(record);
    }
    records.insert(records.end(), repeats.begin(), repeats.end());
    return records;
}

std::optional<std::size_t> RadioWorld::find(const MacAddress& bssid) const
{
    for (std::size_t i = 0; i < m_networks.size(); ++i)
        if (m_networks[i].bssid == bssid)
            return i;
    return std::nullopt;
}

bool RadioWorld::add(RadioNetwork network)
{
    if (find(network.bssid))
        return false;
    m_networks.push_back(std::move(network));
    return true;
}

}  // namespace machine

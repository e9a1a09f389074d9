// The station's world changed while it runs: what the machine's control asks of the adapter.
#include <utility>

#include "machine/adapter/SimulatedAdapter.h"

namespace machine {

RadioStatus SimulatedAdapter::status()
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    RadioStatus status;
    status.tx_bytes = m_counters.tx_bytes();
    status.rx_bytes = m_counters.rx_bytes();
    status.signal_dbm = kNoSignalDbm;
    if (const auto index = joined()) {
        const RadioNetwork& network = m_world.network(*index);
        status.joined = true;
        status.bssid = network.bssid;
        status.ssid = network.ssid;
        status.channel = network.channel;
        status.signal_dbm = m_world.signal_dbm(*index, m_updated_ms);
    }
    return status;
}

std::vector<RadioNetwork> SimulatedAdapter::networks()
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    return m_world.networks();
}

bool SimulatedAdapter::change_network(const MacAddress& bssid, const std::function<void(std::size_t)>& change)
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    const auto index = m_world.find(bssid);
    if (!index)
        return false;
    change(*index);
    m_association.follow(m_settings, m_world, m_updated_ms);
    return true;
}

bool SimulatedAdapter::set_signal(const MacAddress& bssid, int signal_dbm)
{
    return change_network(bssid, [&](std::size_t index) { m_world.set_signal(index, signal_dbm); });
}

bool SimulatedAdapter::switch_network(const MacAddress& bssid, bool on)
{
    return change_network(bssid, [&](std::size_t index) { m_world.set_on(index, on); });
}

bool SimulatedAdapter::add_network(RadioNetwork network)
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    if (!m_world.add(std::move(network)))
        return false;
    m_association.follow(m_settings, m_world, m_updated_ms);
    return true;
}

void SimulatedAdapter::set_traffic(std::uint64_t tx_bytes_per_s, std::uint64_t rx_bytes_per_s)
{
    std::lock_guard lock(m_mutex);
    bring_up_to_date();
    m_counters.set_rates(tx_bytes_per_s, rx_bytes_per_s);
}

}  // namespace machine

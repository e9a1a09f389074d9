#pragma once
// The networks around the station: where they are (their signal at the station's place),
// whether they are on, and the scenario's events that change both over time.

#include <cstdint>
#include <optional>
#include <vector>

#include "machine/adapter/RadioNetwork.h"
#include "machine/adapter/ScanRecord.h"
#include "machine/adapter/WirelessScenario.h"

namespace machine {

class RadioWorld {
public:
    explicit RadioWorld(const WirelessScenario& scenario);

    const std::vector<RadioNetwork>& networks() const { return m_networks; }
    const RadioNetwork& network(std::size_t index) const { return m_networks[index]; }

    // Time of the first event not applied yet.
    std::optional<std::uint64_t> next_event_ms() const;
    // Applies every event due at or before `t`.
    void apply_events_until(std::uint64_t t);

    // Switched on and strong enough to be heard (judged before noise, so a network at the
    // edge does not flicker).
    bool reachable(std::size_t index) const;
    int signal_dbm(std::size_t index, std::uint64_t now_ms) const;
    // What a scan completing at `now_ms` reports; a network reported twice comes again at the end.
    std::vector<ScanRecord> scan(std::uint64_t now_ms) const;

    // Changes made while the machine runs, by a person or a script: the network of `bssid`
    // moves, goes off or on, or a new one appears.
    std::optional<std::size_t> find(const MacAddress& bssid) const;
    void set_signal(std::size_t index, int signal_dbm) { m_networks[index].signal_dbm = signal_dbm; }
    void set_on(std::size_t index, bool on) { m_networks[index].on = on; }
    // False when the BSSID is taken: events and the association name networks by it.
    bool add(RadioNetwork network);

private:
    std::vector<RadioNetwork> m_networks;
    std::vector<WorldEvent> m_events;
    std::size_t m_next_event = 0;
    std::uint64_t m_seed;
    int m_sensitivity_dbm;
    int m_noise_dbm;
};

}  // namespace machine

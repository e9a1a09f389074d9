#pragma once
// A plausible 802.11b station: answers the driver's identifiers from its settings, its
// association and the radio world around it, all moving on the machine's clock.

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "machine/Adapter.h"
#include "machine/Clock.h"
#include "machine/adapter/Association.h"
#include "machine/adapter/RadioStatus.h"
#include "machine/adapter/RadioWorld.h"
#include "machine/adapter/ScanRecord.h"
#include "machine/adapter/StationSettings.h"
#include "machine/adapter/TrafficCounters.h"
#include "machine/adapter/WirelessScenario.h"

namespace machine {

class SimulatedAdapter final : public Adapter {
public:
    SimulatedAdapter(WirelessScenario scenario, Clock& clock);

    bool query(std::uint32_t oid, std::span<std::uint8_t> data) override;
    bool set(std::uint32_t oid, std::span<const std::uint8_t> data) override;
    void restart(const std::map<std::string, std::string>& parameters) override;

    // For tests and the machine's own views.
    bool link_up();
    std::string associated_ssid();
    StationSettings settings();

    // Changes to the world around the station while it runs, made by a person or a script
    // through the machine's control. Each takes effect at the clock's present time.
    RadioStatus status();
    std::vector<RadioNetwork> networks();
    // False when no network has `bssid`.
    bool set_signal(const MacAddress& bssid, int signal_dbm);
    bool switch_network(const MacAddress& bssid, bool on);
    // False when the BSSID is already in use.
    bool add_network(RadioNetwork network);
    void set_traffic(std::uint64_t tx_bytes_per_s, std::uint64_t rx_bytes_per_s);

    // Below this the adapter reports no signal.
    static constexpr int kNoSignalDbm = -100;

private:
    void bring_up_to_date();
    void advance_to(std::uint64_t t);
    void start_scan();
    std::optional<std::size_t> joined() const { return m_association.network(); }

    bool answer(std::uint32_t oid, std::span<std::uint8_t> data);
    bool apply(std::uint32_t oid, std::span<const std::uint8_t> data);
    bool set_ssid(std::span<const std::uint8_t> data);
    bool add_wep_key(std::span<const std::uint8_t> data);
    // Changes the network of `bssid` now, and lets the station follow; false when there is none.
    bool change_network(const MacAddress& bssid, const std::function<void(std::size_t)>& change);

    std::mutex m_mutex;
    Clock& m_clock;
    const WirelessScenario m_scenario;
    StationSettings m_settings;
    RadioWorld m_world;
    Association m_association;
    TrafficCounters m_counters;
    std::uint64_t m_updated_ms;
    std::optional<std::uint64_t> m_scan_done_ms;
    std::vector<ScanRecord> m_scan_result;
};

}  // namespace machine

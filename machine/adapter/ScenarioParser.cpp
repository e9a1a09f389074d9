#include "machine/adapter/ScenarioParser.h"

#include <algorithm>
#include <limits>

#include "machine/adapter/JsonReader.h"

namespace machine {

namespace {

constexpr std::int64_t kMaxUint32 = std::numeric_limits<std::uint32_t>::max();
constexpr std::int64_t kMaxMs = std::int64_t{1} << 50;

InfrastructureMode read_mode(const JsonReader& reader, bool automatic_allowed)
{
    const std::size_t index = automatic_allowed ? reader.choice({"ad_hoc", "infrastructure", "automatic"})
                                                : reader.choice({"ad_hoc", "infrastructure"});
    return static_cast<InfrastructureMode>(index);
}

WepKey read_key_material(const JsonReader& key)
{
    WepKey material;
    if (key.has("text") == key.has("hex"))
        key.fail("give the key as either \"text\" or \"hex\"");
    if (auto text = key.optional_field("text")) {
        const std::string value = text->string();
        material.assign(value.begin(), value.end());
        if (material.size() != 5 && material.size() != 13)
            text->fail("a key text has 5 or 13 characters");
        return material;
    }
    const JsonReader hex = key.field("hex");
    const std::string digits = hex.string();
    if (digits.size() != 10 && digits.size() != 26)
        hex.fail("a hex key has 10 or 26 digits");
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const std::string pair = digits.substr(i, 2);
        if (pair.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            hex.fail("not a hex digit in \"" + digits + "\"");
        material.push_back(static_cast<std::uint8_t>(std::stoi(pair, nullptr, 16)));
    }
    return material;
}

// "keys": [{"index": 0, "hex": "..."}, ...] and "transmit_key" of a station or a network.
void read_keys(const JsonReader& wep, WepKeySlots& keys, int& transmit_key)
{
    if (auto list = wep.optional_field("keys")) {
        for (const auto& key : list->elements()) {
            key.only({"index", "text", "hex"});
            const auto index = static_cast<std::size_t>(key.field("index").integer(0, 3));
            if (!keys[index].empty())
                key.field("index").fail("key " + std::to_string(index) + " is given twice");
            keys[index] = read_key_material(key);
        }
    }
    if (auto tx = wep.optional_field("transmit_key"))
        transmit_key = static_cast<int>(tx->integer(0, 3));
}

VersionFields read_version(const JsonReader& reader)
{
    const auto elements = reader.elements();
    if (elements.size() != 3)
        reader.fail("expected three numbers: the fields at offsets 0, 2 and 4");
    VersionFields fields{};
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = static_cast<std::uint16_t>(elements[i].integer(0, 0xFFFF));
    return fields;
}

void read_station(const JsonReader& station, WirelessScenario& scenario)
{
    station.only({"address", "versions", "ssid", "mode", "wep", "authentication", "power_mode", "rate_mask",
                  "short_preamble"});
    StationSettings& s = scenario.station;
    if (auto address = station.optional_field("address"))
        scenario.station_address = address->mac_address();
    if (auto versions = station.optional_field("versions")) {
        versions->only({"firmware", "driver", "eeprom"});
        if (auto v = versions->optional_field("firmware"))
            scenario.firmware_version = read_version(*v);
        if (auto v = versions->optional_field("driver"))
            scenario.driver_version = read_version(*v);
        if (auto v = versions->optional_field("eeprom"))
            scenario.eeprom_version = read_version(*v);
    }
    if (auto ssid = station.optional_field("ssid")) {
        s.ssid = ssid->string();
        if (s.ssid.size() > 32)
            ssid->fail("a network name has at most 32 characters");
    }
    if (auto mode = station.optional_field("mode"))
        s.mode = read_mode(*mode, true);
    if (auto wep = station.optional_field("wep")) {
        wep->only({"enabled", "keys", "transmit_key"});
        if (auto enabled = wep->optional_field("enabled"))
            s.wep_enabled = enabled->boolean();
        read_keys(*wep, s.keys, s.transmit_key);
    }
    if (auto auth = station.optional_field("authentication"))
        s.authentication = static_cast<std::uint32_t>(
            auth->choice({"open", "shared", "auto_switch", "wpa", "wpa_psk", "wpa_none"}));
    if (auto power = station.optional_field("power_mode"))
        s.power_mode = static_cast<std::uint32_t>(power->choice({"continuous", "max_saving", "fast_saving"}));
    if (auto rates = station.optional_field("rate_mask"))
        s.rate_mask = static_cast<std::uint8_t>(rates->integer(1, kAllRates));
    if (auto preamble = station.optional_field("short_preamble"))
        s.short_preamble = preamble->boolean();
}

void read_traffic(const JsonReader& traffic, TrafficRates& rates)
{
    traffic.only({"tx_bytes_per_s", "rx_bytes_per_s", "variation_percent", "start_tx_bytes", "start_rx_bytes"});
    constexpr std::int64_t kMaxRate = 100'000'000;
    if (auto v = traffic.optional_field("tx_bytes_per_s"))
        rates.tx_bytes_per_s = static_cast<std::uint64_t>(v->integer(0, kMaxRate));
    if (auto v = traffic.optional_field("rx_bytes_per_s"))
        rates.rx_bytes_per_s = static_cast<std::uint64_t>(v->integer(0, kMaxRate));
    if (auto v = traffic.optional_field("variation_percent"))
        rates.variation_percent = static_cast<int>(v->integer(0, 100));
    if (auto v = traffic.optional_field("start_tx_bytes"))
        rates.start_tx_bytes = static_cast<std::uint64_t>(v->integer(0, kMaxUint32));
    if (auto v = traffic.optional_field("start_rx_bytes"))
        rates.start_rx_bytes = static_cast<std::uint64_t>(v->integer(0, kMaxUint32));
}

RadioNetwork read_network(const JsonReader& reader)
{
    reader.only({"bssid", "ssid", "hidden", "channel", "signal_dbm", "mode", "wep", "records", "on"});
    RadioNetwork network;
    network.bssid = reader.field("bssid").mac_address();
    const JsonReader ssid = reader.field("ssid");
    network.ssid = ssid.string();
    if (network.ssid.size() > 32)
        ssid.fail("a network name has at most 32 characters");
    if (auto hidden = reader.optional_field("hidden"))
        network.hidden = hidden->boolean();
    network.channel = static_cast<int>(reader.field("channel").integer(1, 14));
    network.signal_dbm = static_cast<int>(reader.field("signal_dbm").integer(-120, -10));
    if (auto mode = reader.optional_field("mode"))
        network.mode = read_mode(*mode, false);
    if (auto wep = reader.optional_field("wep")) {
        wep->only({"keys", "transmit_key", "keys_automatic"});
        network.privacy = true;
        if (auto automatic = wep->optional_field("keys_automatic"))
            network.keys_automatic = automatic->boolean();
        read_keys(*wep, network.keys, network.transmit_key);
        if (!network.keys_automatic && network.transmit_key_material().empty())
            wep->fail("a WEP network needs its transmit key, or \"keys_automatic\": true");
    }
    if (auto records = reader.optional_field("records"))
        network.records = static_cast<int>(records->integer(1, 2));
    if (auto on = reader.optional_field("on"))
        network.on = on->boolean();
    return network;
}

std::size_t find_network(const JsonReader& bssid, const std::vector<RadioNetwork>& networks)
{
    const MacAddress address = bssid.mac_address();
    const auto it = std::find_if(networks.begin(), networks.end(),
                                 [&](const RadioNetwork& n) { return n.bssid == address; });
    if (it == networks.end())
        bssid.fail("no network has this BSSID");
    return static_cast<std::size_t>(it - networks.begin());
}

void read_event(const JsonReader& reader, WirelessScenario& scenario)
{
    reader.only({"at_ms", "signal_dbm", "switch_off", "switch_on"});
    WorldEvent event;
    event.at_ms = static_cast<std::uint64_t>(reader.field("at_ms").integer(0, kMaxMs));
    if (auto signals = reader.optional_field("signal_dbm")) {
        for (const auto& [bssid, level] : signals->members()) {
            event.kind = WorldEvent::Kind::Signal;
            const nlohmann::json name(bssid);
            event.network = find_network(JsonReader(name, level.path()), scenario.networks);
            event.signal_dbm = static_cast<int>(level.integer(-120, -10));
            scenario.events.push_back(event);
        }
    }
    const std::pair<const char*, WorldEvent::Kind> switches[] = {{"switch_off", WorldEvent::Kind::SwitchOff},
                                                                 {"switch_on", WorldEvent::Kind::SwitchOn}};
    for (const auto& [name, kind] : switches) {
        if (auto list = reader.optional_field(name)) {
            for (const auto& bssid : list->elements()) {
                event.kind = kind;
                event.network = find_network(bssid, scenario.networks);
                scenario.events.push_back(event);
            }
        }
    }
}

}  // namespace

RadioNetwork parse_radio_network(const nlohmann::json& network, const std::string& path)
{
    return read_network(JsonReader(network, path));
}

MacAddress parse_mac_address(const std::string& text, const std::string& path)
{
    const nlohmann::json value(text);
    return JsonReader(value, path).mac_address();
}

WirelessScenario parse_wireless_scenario(const nlohmann::json& wireless)
{
    const JsonReader root(wireless, "wireless");
    root.only({"seed", "scan_time_ms", "sensitivity_dbm", "noise_dbm", "station", "traffic", "networks", "events"});
    WirelessScenario scenario;
    if (auto seed = root.optional_field("seed"))
        scenario.seed = static_cast<std::uint64_t>(seed->integer(0, kMaxUint32));
    if (auto scan = root.optional_field("scan_time_ms"))
        scenario.scan_time_ms = static_cast<std::uint64_t>(scan->integer(0, 60'000));
    if (auto sensitivity = root.optional_field("sensitivity_dbm"))
        scenario.sensitivity_dbm = static_cast<int>(sensitivity->integer(-120, -10));
    if (auto noise = root.optional_field("noise_dbm"))
        scenario.noise_dbm = static_cast<int>(noise->integer(0, 20));
    if (auto station = root.optional_field("station"))
        read_station(*station, scenario);
    if (auto traffic = root.optional_field("traffic"))
        read_traffic(*traffic, scenario.traffic);
    if (auto networks = root.optional_field("networks")) {
        for (const auto& element : networks->elements()) {
            RadioNetwork network = read_network(element);
            // Events and the association name networks by BSSID; a repeated AP is "records": 2.
            if (std::any_of(scenario.networks.begin(), scenario.networks.end(),
                            [&](const RadioNetwork& n) { return n.bssid == network.bssid; }))
                element.field("bssid").fail("this BSSID is already used by another network");
            scenario.networks.push_back(std::move(network));
        }
    }
    if (auto events = root.optional_field("events")) {
        for (const auto& element : events->elements())
            read_event(element, scenario);
        std::stable_sort(scenario.events.begin(), scenario.events.end(),
                         [](const WorldEvent& a, const WorldEvent& b) { return a.at_ms < b.at_ms; });
    }
    return scenario;
}

}  // namespace machine

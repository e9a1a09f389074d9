#include "machine/service/MachineControl.h"

#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <string_view>

#include "machine/Machine.h"
#include "machine/adapter/ScenarioError.h"
#include "machine/adapter/ScenarioParser.h"
#include "machine/adapter/SimulatedAdapter.h"
#include "machine/service/ControlOperations.h"
#include "machine/service/FaultSwitches.h"

namespace machine::service {

namespace {

using nlohmann::json;
using Handler = std::function<json(Machine&, const json&)>;

// The range a scenario accepts for a network's signal, and for traffic rates.
constexpr int kWeakestSignalDbm = -120;
constexpr int kStrongestSignalDbm = -10;
constexpr std::uint64_t kMaxTrafficRate = 100'000'000;

std::string mac_text(const MacAddress& address)
{
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", address[0], address[1], address[2], address[3],
                  address[4], address[5]);
    return text;
}

const char* service_state_name(ServiceState state)
{
    switch (state) {
    case ServiceState::Stopped: return "stopped";
    case ServiceState::StartPending: return "start pending";
    case ServiceState::StopPending: return "stop pending";
    case ServiceState::Running: return "running";
    }
    return "unknown";
}

const char* mode_name(InfrastructureMode mode)
{
    return mode == InfrastructureMode::AdHoc ? "ad_hoc" : "infrastructure";
}

SimulatedAdapter& radio(Machine& machine)
{
    if (SimulatedAdapter* adapter = machine.simulated_adapter())
        return *adapter;
    throw std::invalid_argument("this machine has no radio world");
}

// Scenario errors name the field; on the command line it is the argument.
MacAddress bssid_argument(const json& value)
{
    try {
        return parse_mac_address(value.get<std::string>(), "BSSID");
    } catch (const ScenarioError& e) {
        throw std::invalid_argument(e.what());
    }
}

json status(Machine& machine)
{
    json result = {{"adapter_present", machine.adapter_present()},
                   {"bound", machine.bound()},
                   {"service", service_state_name(machine.service_state())},
                   {"faults", active_faults(machine)}};
    if (SimulatedAdapter* adapter = machine.simulated_adapter()) {
        const RadioStatus radio_status = adapter->status();
        const bool associated = radio_status.joined && machine.adapter_present();
        result["associated"] = associated;
        result["ssid"] = associated ? radio_status.ssid : "";
        result["bssid"] = associated ? mac_text(radio_status.bssid) : "";
        result["channel"] = associated ? radio_status.channel : 0;
        result["signal_dbm"] = associated ? radio_status.signal_dbm : SimulatedAdapter::kNoSignalDbm;
        result["tx_bytes"] = radio_status.tx_bytes;
        result["rx_bytes"] = radio_status.rx_bytes;
    }
    return result;
}

json networks(Machine& machine)
{
    json list = json::array();
    for (const RadioNetwork& network : radio(machine).networks())
        list.push_back({{"bssid", mac_text(network.bssid)},
                        {"ssid", network.ssid},
                        {"channel", network.channel},
                        {"signal_dbm", network.signal_dbm},
                        {"mode", mode_name(network.mode)},
                        {"privacy", network.privacy},
                        {"hidden", network.hidden},
                        {"on", network.on}});
    return list;
}

json service(Machine& machine, const json& a)
{
    const std::string action = a.at(0).get<std::string>();
    std::uint32_t error = 0;
    if (action == "stop")
        error = machine.stop_service(kDriverServiceName);
    else if (action == "start")
        error = machine.start_service(kDriverServiceName);
    else
        throw std::invalid_argument("the service can be stopped or started, not \"" + action + "\"");
    if (error != 0)
        throw std::invalid_argument("the driver service did not " + action + " (error " + std::to_string(error) + ")");
    return service_state_name(machine.service_state());
}

json signal(Machine& machine, const json& a)
{
    const MacAddress bssid = bssid_argument(a.at(0));
    const int dbm = a.at(1).get<int>();
    if (dbm < kWeakestSignalDbm || dbm > kStrongestSignalDbm)
        throw std::invalid_argument("a signal lies between " + std::to_string(kWeakestSignalDbm) + " and " +
                                    std::to_string(kStrongestSignalDbm) + " dBm");
    if (!radio(machine).set_signal(bssid, dbm))
        throw std::invalid_argument("no network has the BSSID " + mac_text(bssid));
    return nullptr;
}

json switch_network(Machine& machine, const json& a)
{
    const MacAddress bssid = bssid_argument(a.at(0));
    if (!radio(machine).switch_network(bssid, a.at(1).get<bool>()))
        throw std::invalid_argument("no network has the BSSID " + mac_text(bssid));
    return nullptr;
}

json add_network(Machine& machine, const json& a)
{
    RadioNetwork network;
    try {
        network = parse_radio_network(a.at(0), "network");
    } catch (const ScenarioError& e) {
        throw std::invalid_argument(e.what());
    }
    const MacAddress bssid = network.bssid;
    if (!radio(machine).add_network(std::move(network)))
        throw std::invalid_argument("the BSSID " + mac_text(bssid) + " is already used by another network");
    return nullptr;
}

json fault(Machine& machine, const json& a)
{
    const std::string problem = switch_fault(machine, a.at(0).get<std::string>(), a.at(1).get<bool>());
    if (!problem.empty())
        throw std::invalid_argument(problem);
    return active_faults(machine);
}

json faults(Machine&, const json&)
{
    json list = json::array();
    for (const FaultSwitch& f : fault_switches())
        list.push_back({{"name", f.name}, {"meaning", f.meaning}});
    list.push_back({{"name", "code:HEX"}, {"meaning", "the device-control code HEX fails"}});
    list.push_back({{"name", "oid:HEX"}, {"meaning", "queries and sets of the object identifier HEX fail"}});
    return list;
}

json traffic(Machine& machine, const json& a)
{
    const auto tx = a.at(0).get<std::int64_t>();
    const auto rx = a.at(1).get<std::int64_t>();
    const auto in_range = [](std::int64_t rate) { return rate >= 0 && static_cast<std::uint64_t>(rate) <= kMaxTrafficRate; };
    if (!in_range(tx) || !in_range(rx))
        throw std::invalid_argument("a traffic rate lies between 0 and " + std::to_string(kMaxTrafficRate) +
                                    " bytes per second");
    radio(machine).set_traffic(static_cast<std::uint64_t>(tx), static_cast<std::uint64_t>(rx));
    return nullptr;
}

const std::map<std::string_view, Handler>& handlers()
{
    namespace op = control_op;
    static const std::map<std::string_view, Handler> table = {
        {op::kStatus, [](Machine& m, const json&) { return status(m); }},
        {op::kNetworks, [](Machine& m, const json&) { return networks(m); }},
        {op::kUnplug,
         [](Machine& m, const json&) {
             m.remove_adapter();
             return json(nullptr);
         }},
        {op::kPlug,
         [](Machine& m, const json&) {
             m.insert_adapter();
             return json(nullptr);
         }},
        {op::kService, service},
        {op::kSignal, signal},
        {op::kSwitchNetwork, switch_network},
        {op::kAddNetwork, add_network},
        {op::kFault, fault},
        {op::kFaults, faults},
        {op::kTraffic, traffic},
    };
    return table;
}

}  // namespace

std::optional<nlohmann::json> serve_control(Machine& machine, const std::string& operation,
                                            const nlohmann::json& arguments)
{
    const auto it = handlers().find(operation);
    if (it == handlers().end())
        return std::nullopt;
    return it->second(machine, arguments);
}

}  // namespace machine::service

#include "apps/zephra-machine/CtlCommand.h"

#include <charconv>
#include <iomanip>
#include <stdexcept>
#include <string_view>

#include <nlohmann/json.hpp>

#include "machine/service/Connection.h"
#include "machine/service/ControlOperations.h"
#include "machine/service/ServiceEndpoint.h"
#include "machine/service/Wire.h"

namespace machine_app {

namespace {

using nlohmann::json;
using Words = std::vector<std::string>;
namespace op = machine::service::control_op;

constexpr int kAnswerTimeoutMs = 5000;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

struct CtlCommand {
    std::string_view name;
    std::string_view arguments;  // as the usage names them: "BSSID DBM"
    std::size_t argument_count;
    // The request; throws std::invalid_argument naming a bad argument.
    json (*request)(const Words& arguments);
    void (*print)(std::ostream& out, const json& result);
};

long long Integer(const std::string& text, const char* what)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end)
        throw std::invalid_argument(std::string(what) + " must be a whole number, not \"" + text + "\"");
    return value;
}

bool OnOff(const std::string& text)
{
    if (text != "on" && text != "off")
        throw std::invalid_argument("say on or off, not \"" + text + "\"");
    return text == "on";
}

json Plain(const char* operation) { return machine::service::request(operation); }

void PrintNothing(std::ostream&, const json&) {}

void PrintStatus(std::ostream& out, const json& r)
{
    out << "adapter:        " << (r.at("adapter_present").get<bool>() ? "present" : "absent") << "\n";
    out << "bound:          " << (r.at("bound").get<bool>() ? "yes" : "no") << "\n";
    if (r.contains("associated")) {
        if (r.at("associated").get<bool>())
            out << "network:        " << r.at("ssid").get<std::string>() << " (" << r.at("bssid").get<std::string>()
                << "), channel " << r.at("channel") << ", signal " << r.at("signal_dbm") << " dBm\n";
        else
            out << "network:        none\n";
        out << "traffic:        " << r.at("tx_bytes") << " bytes sent, " << r.at("rx_bytes") << " received\n";
    }
    out << "driver service: " << r.at("service").get<std::string>() << "\n";
    std::string faults;
    for (const json& name : r.at("faults"))
        faults += (faults.empty() ? "" : ", ") + name.get<std::string>();
    out << "faults:         " << (faults.empty() ? "none" : faults) << "\n";
}

void PrintNetworks(std::ostream& out, const json& r)
{
    out << std::left << std::setw(19) << "BSSID" << std::setw(34) << "SSID" << std::setw(4) << "CH" << std::setw(6)
        << "DBM" << std::setw(16) << "MODE" << std::setw(5) << "WEP" << "ON\n";
    for (const json& n : r)
        out << std::setw(19) << n.at("bssid").get<std::string>() << std::setw(34) << n.at("ssid").get<std::string>()
            << std::setw(4) << n.at("channel").get<int>() << std::setw(6) << n.at("signal_dbm").get<int>()
            << std::setw(16) << n.at("mode").get<std::string>() << std::setw(5)
            << (n.at("privacy").get<bool>() ? "yes" : "no") << (n.at("on").get<bool>() ? "on" : "off") << "\n";
}

void PrintFaults(std::ostream& out, const json& r)
{
    for (const json& f : r)
        out << std::left << std::setw(30) << f.at("name").get<std::string>() << f.at("meaning").get<std::string>()
            << "\n";
}

void PrintActiveFaults(std::ostream& out, const json& r)
{
    std::string names;
    for (const json& name : r)
        names += (names.empty() ? "" : ", ") + name.get<std::string>();
    out << "faults on: " << (names.empty() ? "none" : names) << "\n";
}

const std::vector<CtlCommand>& Commands()
{
    static const std::vector<CtlCommand> table = {
        {"status", "", 0, [](const Words&) { return Plain(op::kStatus); }, PrintStatus},
        {"networks", "", 0, [](const Words&) { return Plain(op::kNetworks); }, PrintNetworks},
        {"unplug", "", 0, [](const Words&) { return Plain(op::kUnplug); }, PrintNothing},
        {"plug", "", 0, [](const Words&) { return Plain(op::kPlug); }, PrintNothing},
        {"service", "stop|start", 1,
         [](const Words& a) {
             if (a[0] != "stop" && a[0] != "start")
                 throw std::invalid_argument("service takes stop or start, not \"" + a[0] + "\"");
             return machine::service::request(op::kService, json::array({a[0]}));
         },
         [](std::ostream& out, const json& r) { out << "driver service: " << r.get<std::string>() << "\n"; }},
        {"signal", "BSSID DBM", 2,
         [](const Words& a) {
             return machine::service::request(op::kSignal, json::array({a[0], Integer(a[1], "DBM")}));
         },
         PrintNothing},
        {"switch-off", "BSSID", 1,
         [](const Words& a) { return machine::service::request(op::kSwitchNetwork, json::array({a[0], false})); },
         PrintNothing},
        {"switch-on", "BSSID", 1,
         [](const Words& a) { return machine::service::request(op::kSwitchNetwork, json::array({a[0], true})); },
         PrintNothing},
        {"add-network", "JSON", 1,
         [](const Words& a) {
             json network = json::parse(a[0], nullptr, false);
             if (network.is_discarded() || !network.is_object())
                 throw std::invalid_argument("the network must be a JSON object, as in a scenario");
             return machine::service::request(op::kAddNetwork, json::array({network}));
         },
         PrintNothing},
        {"fault", "NAME on|off", 2,
         [](const Words& a) { return machine::service::request(op::kFault, json::array({a[0], OnOff(a[1])})); },
         PrintActiveFaults},
        {"faults", "", 0, [](const Words&) { return Plain(op::kFaults); }, PrintFaults},
        {"traffic", "TX RX", 2,
         [](const Words& a) {
             return machine::service::request(op::kTraffic,
                                              json::array({Integer(a[0], "TX"), Integer(a[1], "RX")}));
         },
         PrintNothing},
    };
    return table;
}

std::string CommandList()
{
    std::string list;
    for (const CtlCommand& c : Commands())
        list += (list.empty() ? "" : ", ") + std::string(c.name);
    return list;
}

}  // namespace

int RunCtl(const MachineOptions& options, std::ostream& out, std::ostream& err)
{
    const Words words(options.command.begin() + 1, options.command.end());
    if (words.empty()) {
        err << "zephra-machine: ctl needs a command: " << CommandList() << std::endl;
        return kExitUsage;
    }
    const CtlCommand* command = nullptr;
    for (const CtlCommand& c : Commands())
        if (c.name == words[0])
            command = &c;
    if (command == nullptr) {
        err << "zephra-machine: unknown ctl command \"" << words[0] << "\"; the commands are " << CommandList()
            << std::endl;
        return kExitUsage;
    }
    const Words arguments(words.begin() + 1, words.end());
    if (arguments.size() != command->argument_count) {
        err << "zephra-machine: usage: zephra-machine ctl " << command->name
            << (command->arguments.empty() ? "" : " ") << command->arguments << std::endl;
        return kExitUsage;
    }
    json request;
    try {
        request = command->request(arguments);
    } catch (const std::invalid_argument& e) {
        err << "zephra-machine: ctl " << command->name << ": " << e.what() << std::endl;
        return kExitUsage;
    }

    const std::string directory = MachineDirectory(options);
    const auto endpoint = machine::service::endpoint_for(machine::service::runtime_folder(), directory);
    machine::service::Connection connection;
    if (directory.empty() || !connection.open(endpoint.socket)) {
        err << "zephra-machine: no machine service runs for " << (directory.empty() ? "this machine" : directory)
            << "; start zephra or zephra-machine first" << std::endl;
        return kExitRefused;
    }
    const std::optional<json> reply = connection.exchange(request, kAnswerTimeoutMs);
    if (!reply) {
        err << "zephra-machine: the machine service did not answer" << std::endl;
        return kExitRefused;
    }
    if (const auto reason = reply->find("e"); reason != reply->end()) {
        err << "zephra-machine: " << reason->get<std::string>() << std::endl;
        return kExitRefused;
    }
    const json result = reply->value("r", json());
    try {
        if (options.json)
            out << result.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        else
            command->print(out, result);
    } catch (const json::exception& e) {
        err << "zephra-machine: the service's answer is not understood: " << e.what() << std::endl;
        return kExitRefused;
    }
    return 0;
}

}  // namespace machine_app

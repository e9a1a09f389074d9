#include <fstream>
#include <initializer_list>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "machine/Scenario.h"
#include "machine/Clock.h"
#include "machine/adapter/ScenarioError.h"
#include "machine/adapter/SimulatedAdapterFactory.h"
#include "machine/registry/InitialRegistry.h"

namespace machine {

using nlohmann::json;

namespace {

struct FieldError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads one JSON object, naming the field's full path in every error.
// The radio world is read by the adapter model; building one here reports its errors at
// load time, with the field's path, instead of when the machine starts.
void check_wireless(const json& wireless)
{
    if (wireless.empty())
        return;
    VirtualClock clock;
    try {
        make_simulated_adapter(wireless, clock);
    } catch (const ScenarioError& e) {
        throw FieldError(e.what());
    }
}

// A scenario's keys add to the built-in ones or replace them; null takes a built-in key away.
void merge_registry(const json& keys, json& registry)
{
    if (!keys.is_object())
        throw FieldError("registry: expected an object");
    for (const auto& [path, values] : keys.items()) {
        if (values.is_null())
            registry.erase(path);
        else
            registry[path] = values;
    }
    RegistryHive scratch;
    if (std::string error = add_registry_object(scratch, registry); !error.empty())
        throw FieldError(error);
}

class ObjectReader {
public:
    ObjectReader(const json& value, std::string path, std::initializer_list<std::string_view> known)
        : m_value(value), m_path(std::move(path))
    {
        if (!m_value.is_object())
            fail(m_path, "expected an object");
        for (const auto& [key, item] : m_value.items()) {
            bool found = false;
            for (auto k : known)
                found = found || k == key;
            if (!found)
                fail(field(key), "unknown field");
        }
    }

    std::string field(std::string_view key) const { return m_path.empty() ? std::string(key) : m_path + "." + std::string(key); }
    const json* find(const char* key) const
    {
        auto it = m_value.find(key);
        return it == m_value.end() ? nullptr : &*it;
    }

    void read(const char* key, std::string& out) const
    {
        if (auto* v = find(key))
            out = as_string(*v, field(key));
    }
    void read(const char* key, bool& out) const
    {
        if (auto* v = find(key)) {
            if (!v->is_boolean())
                fail(field(key), "expected true or false");
            out = v->get<bool>();
        }
    }
    template <typename Number>
    void read_number(const char* key, Number& out) const
    {
        if (auto* v = find(key))
            out = as_number<Number>(*v, field(key));
    }
    void read(const char* key, std::vector<std::string>& out) const { read_list(key, out, as_string); }
    void read(const char* key, std::vector<std::uint32_t>& out) const { read_list(key, out, as_number<std::uint32_t>); }
    // Replaces `out` with the array's items, each read by `read_item` from the item and its path.
    template <typename Item, typename ReadItem>
    void read_list(const char* key, std::vector<Item>& out, ReadItem read_item) const
    {
        const json* v = find(key);
        if (!v)
            return;
        out.clear();
        const json& list = array(*v, field(key));
        for (std::size_t i = 0; i < list.size(); ++i)
            out.push_back(read_item(list[i], field(key) + "[" + std::to_string(i) + "]"));
    }

    [[noreturn]] static void fail(const std::string& path, const std::string& what)
    {
        throw FieldError(path + ": " + what);
    }
    static const json& array(const json& v, const std::string& path)
    {
        if (!v.is_array())
            fail(path, "expected an array");
        return v;
    }
    static std::string as_string(const json& v, const std::string& path)
    {
        if (!v.is_string())
            fail(path, "expected a string");
        return v.get<std::string>();
    }
    template <typename Number>
    static Number as_number(const json& v, const std::string& path)
    {
        if (!v.is_number_integer())
            fail(path, "expected a whole number");
        if (v.is_number_unsigned()) {
            auto n = v.get<std::uint64_t>();
            if (n > static_cast<std::uint64_t>(std::numeric_limits<Number>::max()))
                fail(path, "number out of range");
            return static_cast<Number>(n);
        }
        auto n = v.get<std::int64_t>();
        if (n < static_cast<std::int64_t>(std::numeric_limits<Number>::min()) ||
            (n > 0 && static_cast<std::uint64_t>(n) > static_cast<std::uint64_t>(std::numeric_limits<Number>::max())))
            fail(path, "number out of range");
        return static_cast<Number>(n);
    }

private:
    const json& m_value;
    std::string m_path;
};

ClassDevice read_class_device(const json& v, const std::string& path)
{
    ObjectReader r(v, path, {"description", "service", "driver_key", "instance_id", "present", "wireless",
                             "driver_desc", "driver_parameters"});
    ClassDevice d;
    r.read("description", d.description);
    r.read("service", d.service);
    r.read("driver_key", d.driver_key);
    r.read("instance_id", d.instance_id);
    r.read("present", d.present);
    r.read("wireless", d.wireless);
    r.read("driver_desc", d.driver_desc);
    if (auto* parameters = r.find("driver_parameters")) {
        const std::string field = r.field("driver_parameters");
        if (!parameters->is_object())
            ObjectReader::fail(field, "expected an object");
        for (const auto& [name, value] : parameters->items())
            d.driver_parameters[name] = ObjectReader::as_string(value, field + "." + name);
    }
    return d;
}

IpAdapter read_ip_adapter(const json& v, const std::string& path)
{
    ObjectReader r(v, path, {"name", "description", "addresses", "gateways", "wireless"});
    IpAdapter a;
    r.read("name", a.name);
    r.read("description", a.description);
    r.read_list("addresses", a.addresses, [](const json& e, const std::string& p) {
        ObjectReader er(e, p, {"address", "mask"});
        IpAddressEntry entry;
        er.read("address", entry.address);
        er.read("mask", entry.mask);
        return entry;
    });
    r.read("gateways", a.gateways);
    r.read("wireless", a.wireless);
    return a;
}

void read_faults(const json& v, const std::string& path, Faults& f)
{
    ObjectReader r(v, path, {"device_open_fails", "device_open_leaves_183", "allocations_before_failure",
                             "service_missing", "service_start_fails", "service_stuck_start_pending",
                             "failing_codes", "failing_oids", "adapters_info_sizing_error",
                             "adapters_info_error", "network_params_sizing_error", "network_params_error",
                             "registry_read_only", "shell_error"});
    r.read("device_open_fails", f.device_open_fails);
    r.read("device_open_leaves_183", f.device_open_leaves_183);
    r.read_number("allocations_before_failure", f.allocations_before_failure);
    r.read("service_missing", f.service_missing);
    r.read("service_start_fails", f.service_start_fails);
    r.read("service_stuck_start_pending", f.service_stuck_start_pending);
    r.read("failing_codes", f.failing_codes);
    r.read("failing_oids", f.failing_oids);
    r.read_number("adapters_info_sizing_error", f.adapters_info_sizing_error);
    r.read_number("adapters_info_error", f.adapters_info_error);
    r.read_number("network_params_sizing_error", f.network_params_sizing_error);
    r.read_number("network_params_error", f.network_params_error);
    r.read("registry_read_only", f.registry_read_only);
    r.read_number("shell_error", f.shell_error);
}

void read_shell(const json& v, const std::string& path, ShellConfig& shell)
{
    ObjectReader r(v, path, {"mode", "opener", "open_error", "exec_error"});
    r.read("mode", shell.mode);
    if (shell.mode != "desktop" && shell.mode != "record")
        ObjectReader::fail(r.field("mode"), "unknown mode \"" + shell.mode + "\" (desktop, record)");
    r.read("opener", shell.opener);
    r.read_number("open_error", shell.open_error);
    r.read_number("exec_error", shell.exec_error);
}

Scenario read_scenario(const json& root)
{
    ObjectReader r(root, "", {"os", "computer_name", "default_language", "class_devices", "ip_adapters",
                              "network", "protocol_driver", "adapter_present", "faults", "wireless", "registry",
                              "limited_user", "driver_file_time", "shell"});
    Scenario s = default_scenario();
    r.read("os", s.os);
    if (!os_version_named(s.os))
        ObjectReader::fail("os", "unknown system \"" + s.os + "\" (98, me, 2000, xp, nt4, nt5.2)");
    r.read("computer_name", s.computer_name);
    r.read_number("default_language", s.default_language);
    r.read_list("class_devices", s.class_devices, read_class_device);
    r.read_list("ip_adapters", s.ip_adapters, read_ip_adapter);
    if (auto* v = r.find("network")) {
        ObjectReader nr(*v, "network", {"host_name", "domain_name", "dns_servers"});
        nr.read("host_name", s.network.host_name);
        nr.read("domain_name", s.network.domain_name);
        nr.read("dns_servers", s.network.dns_servers);
    }
    if (auto* v = r.find("protocol_driver")) {
        ObjectReader pr(*v, "protocol_driver", {"installed", "service_running_at_start", "service_start_pending_ms"});
        pr.read("installed", s.protocol_driver.installed);
        pr.read("service_running_at_start", s.protocol_driver.service_running_at_start);
        pr.read_number("service_start_pending_ms", s.protocol_driver.service_start_pending_ms);
    }
    r.read("adapter_present", s.adapter_present);
    r.read("driver_file_time", s.driver_file_time);
    if (auto* v = r.find("shell"))
        read_shell(*v, "shell", s.shell);
    if (auto* v = r.find("faults"))
        read_faults(*v, "faults", s.faults);
    if (auto* v = r.find("wireless")) {
        if (!v->is_object())
            ObjectReader::fail("wireless", "expected an object");
        s.wireless = *v;
        check_wireless(s.wireless);
    }
    if (auto* v = r.find("registry"))
        merge_registry(*v, s.registry);
    r.read("limited_user", s.limited_user);
    return s;
}

}  // namespace

ScenarioLoad parse_scenario(const std::string& text)
{
    ScenarioLoad result;
    json root = json::parse(text, nullptr, false);
    if (root.is_discarded()) {
        result.error = "scenario is not valid JSON";
        return result;
    }
    try {
        result.scenario = read_scenario(root);
    } catch (const FieldError& e) {
        result.error = std::string("scenario field ") + e.what();
    }
    return result;
}

ScenarioLoad load_scenario_file(const std::string& path)
{
    std::ifstream in(path);
    if (!in) {
        ScenarioLoad result;
        result.error = "cannot open scenario file " + path;
        return result;
    }
    std::ostringstream text;
    text << in.rdbuf();
    ScenarioLoad result = parse_scenario(text.str());
    if (!result.scenario)
        result.error = path + ": " + result.error;
    return result;
}

json scenario_to_json(const Scenario& s)
{
    json devices = json::array();
    for (const auto& d : s.class_devices)
        devices.push_back({{"description", d.description}, {"service", d.service}, {"driver_key", d.driver_key},
                           {"instance_id", d.instance_id}, {"present", d.present}, {"wireless", d.wireless},
                           {"driver_desc", d.driver_desc}, {"driver_parameters", d.driver_parameters}});
    json adapters = json::array();
    for (const auto& a : s.ip_adapters) {
        json addresses = json::array();
        for (const auto& e : a.addresses)
            addresses.push_back({{"address", e.address}, {"mask", e.mask}});
        adapters.push_back({{"name", a.name}, {"description", a.description}, {"addresses", addresses},
                            {"gateways", a.gateways}, {"wireless", a.wireless}});
    }
    const Faults& f = s.faults;
    return {
        {"os", s.os},
        {"computer_name", s.computer_name},
        {"default_language", s.default_language},
        {"class_devices", devices},
        {"ip_adapters", adapters},
        {"network", {{"host_name", s.network.host_name}, {"domain_name", s.network.domain_name},
                     {"dns_servers", s.network.dns_servers}}},
        {"protocol_driver", {{"installed", s.protocol_driver.installed},
                             {"service_running_at_start", s.protocol_driver.service_running_at_start},
                             {"service_start_pending_ms", s.protocol_driver.service_start_pending_ms}}},
        {"adapter_present", s.adapter_present},
        {"driver_file_time", s.driver_file_time},
        {"shell", {{"mode", s.shell.mode}, {"opener", s.shell.opener}, {"open_error", s.shell.open_error},
                   {"exec_error", s.shell.exec_error}}},
        {"faults", {{"device_open_fails", f.device_open_fails}, {"device_open_leaves_183", f.device_open_leaves_183},
                    {"allocations_before_failure", f.allocations_before_failure},
                    {"service_missing", f.service_missing}, {"service_start_fails", f.service_start_fails},
                    {"service_stuck_start_pending", f.service_stuck_start_pending},
                    {"failing_codes", f.failing_codes}, {"failing_oids", f.failing_oids},
                    {"adapters_info_sizing_error", f.adapters_info_sizing_error},
                    {"adapters_info_error", f.adapters_info_error},
                    {"network_params_sizing_error", f.network_params_sizing_error},
                    {"network_params_error", f.network_params_error},
                    {"registry_read_only", f.registry_read_only}, {"shell_error", f.shell_error}}},
        {"wireless", s.wireless},
        {"registry", s.registry},
        {"limited_user", s.limited_user},
    };
}

bool Scenario::operator==(const Scenario& other) const
{
    return scenario_to_json(*this) == scenario_to_json(other);
}

}  // namespace machine

#include "machine/service/FaultSwitches.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "machine/ErrorCodes.h"
#include "machine/Machine.h"

namespace machine::service {

namespace {

// The shell's answer while its fault is on: no program is associated with the target.
constexpr std::uint32_t kShellNoAssociation = 31;
constexpr const char* kCodePrefix = "code:";
constexpr const char* kOidPrefix = "oid:";

// The error an IP helper call fails with while its fault is on.
std::uint32_t ip_error(bool on) { return on ? kErrorNotSupported : 0; }

std::string hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

// "0x0D010101" or "0D010101".
bool parse_hex(std::string text, std::uint32_t& value)
{
    if (text.starts_with("0x") || text.starts_with("0X"))
        text = text.substr(2);
    if (text.empty() || text.size() > 8 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return false;
    value = static_cast<std::uint32_t>(std::stoul(text, nullptr, 16));
    return true;
}

void switch_listed(std::vector<std::uint32_t>& list, std::uint32_t value, bool on)
{
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
    if (on)
        list.push_back(value);
}

}  // namespace

const std::vector<FaultSwitch>& fault_switches()
{
    static const std::vector<FaultSwitch> table = {
        {"device-open-fails", "the protocol driver's devices cannot be opened",
         [](Machine& m, bool on) { m.faults().device_open_fails = on; },
         [](Machine& m) { return m.faults().device_open_fails; }},
        {"device-open-leaves-183", "an open succeeds but reports \"already exists\"",
         [](Machine& m, bool on) { m.faults().device_open_leaves_183 = on; },
         [](Machine& m) { return m.faults().device_open_leaves_183; }},
        {"allocation-fails", "every global-memory allocation fails",
         [](Machine& m, bool on) { m.faults().allocations_before_failure = on ? 0 : -1; },
         [](Machine& m) { return m.faults().allocations_before_failure >= 0; }},
        {"service-missing", "the driver service is not installed",
         [](Machine& m, bool on) { m.faults().service_missing = on; },
         [](Machine& m) { return m.faults().service_missing; }},
        {"service-start-fails", "the driver service does not start",
         [](Machine& m, bool on) { m.faults().service_start_fails = on; },
         [](Machine& m) { return m.faults().service_start_fails; }},
        {"service-stuck-start-pending", "the driver service stays in start pending",
         [](Machine& m, bool on) { m.faults().service_stuck_start_pending = on; },
         [](Machine& m) { return m.faults().service_stuck_start_pending; }},
        {"adapters-info-fails", "the IP helper's adapter list fails",
         [](Machine& m, bool on) { m.faults().adapters_info_error = ip_error(on); },
         [](Machine& m) { return m.faults().adapters_info_error != 0; }},
        {"adapters-info-sizing-fails", "the size query of the IP helper's adapter list fails",
         [](Machine& m, bool on) { m.faults().adapters_info_sizing_error = ip_error(on); },
         [](Machine& m) { return m.faults().adapters_info_sizing_error != 0; }},
        {"network-params-fails", "the IP helper's network parameters fail",
         [](Machine& m, bool on) { m.faults().network_params_error = ip_error(on); },
         [](Machine& m) { return m.faults().network_params_error != 0; }},
        {"network-params-sizing-fails", "the size query of the IP helper's network parameters fails",
         [](Machine& m, bool on) { m.faults().network_params_sizing_error = ip_error(on); },
         [](Machine& m) { return m.faults().network_params_sizing_error != 0; }},
        {"registry-read-only", "HKEY_LOCAL_MACHINE refuses every change, as for a limited user",
         [](Machine& m, bool on) { m.faults().registry_read_only = on; },
         [](Machine& m) { return m.faults().registry_read_only; }},
        {"shell-fails", "the shell can open no target and run no command",
         [](Machine& m, bool on) { m.faults().shell_error = on ? kShellNoAssociation : 0; },
         [](Machine& m) { return m.faults().shell_error != 0; }},
        // An event, not a state: the driver loses its binding once and the program binds again
        // by itself, so "off" does nothing and the fault is never listed as on.
        {"binding-dropped", "the protocol driver loses its binding to the adapter (once)",
         [](Machine& m, bool on) {
             if (on)
                 m.drop_binding();
         },
         [](Machine&) { return false; }},
        {"adapter-pulled", "the card is pulled out (off: put back)",
         [](Machine& m, bool on) { on ? m.remove_adapter() : m.insert_adapter(); },
         [](Machine& m) { return !m.adapter_present(); }},
    };
    return table;
}

std::string switch_fault(Machine& machine, const std::string& name, bool on)
{
    for (const FaultSwitch& fault : fault_switches())
        if (name == fault.name) {
            fault.set(machine, on);
            return {};
        }
    std::uint32_t value = 0;
    if (name.starts_with(kCodePrefix) && parse_hex(name.substr(std::string_view(kCodePrefix).size()), value)) {
        switch_listed(machine.faults().failing_codes, value, on);
        return {};
    }
    if (name.starts_with(kOidPrefix) && parse_hex(name.substr(std::string_view(kOidPrefix).size()), value)) {
        switch_listed(machine.faults().failing_oids, value, on);
        return {};
    }
    return "no fault is named \"" + name + "\"";
}

std::vector<std::string> active_faults(Machine& machine)
{
    std::vector<std::string> names;
    for (const FaultSwitch& fault : fault_switches())
        if (fault.is_on(machine))
            names.push_back(fault.name);
    for (std::uint32_t code : machine.faults().failing_codes)
        names.push_back(kCodePrefix + hex(code));
    for (std::uint32_t oid : machine.faults().failing_oids)
        names.push_back(kOidPrefix + hex(oid));
    return names;
}

}  // namespace machine::service

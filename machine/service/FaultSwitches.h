#pragma once
// Every fault the machine knows, by the name a person gives it: switched on and off while
// the machine runs. Besides the fixed names, "code:HEX" fails a device-control code and
// "oid:HEX" fails the queries and sets of an object identifier.

#include <string>
#include <vector>

namespace machine {
class Machine;
}

namespace machine::service {

struct FaultSwitch {
    const char* name;
    const char* meaning;
    void (*set)(Machine& machine, bool on);
    bool (*is_on)(Machine& machine);
};

const std::vector<FaultSwitch>& fault_switches();

// Switches the fault `name`; returns what was wrong with the name, or "".
std::string switch_fault(Machine& machine, const std::string& name, bool on);
// The names of the faults that are on now.
std::vector<std::string> active_faults(Machine& machine);

}  // namespace machine::service

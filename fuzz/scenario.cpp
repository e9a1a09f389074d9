// A scenario file as --scenario reads it, its "wireless" part by the adapter model. What
// loads must be written back as a scenario that loads again. (Not necessarily as the same
// one: a registry key the file took away with null comes back from the built-in keys.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "machine/Scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const machine::ScenarioLoad loaded = machine::parse_scenario(std::string(reinterpret_cast<const char*>(data), size));
    if (!loaded.scenario)
        return 0;
    const machine::ScenarioLoad again = machine::parse_scenario(machine::scenario_to_json(*loaded.scenario).dump());
    if (!again.scenario)
        std::abort();
    return 0;
}

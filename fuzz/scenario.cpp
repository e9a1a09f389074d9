// A scenario file as --scenario reads it, its "wireless" part by the adapter model. What
// loads must be written back as a scenario that loads again (not necessarily as the same
// one: a registry key the file took away with null comes back from the built-in keys), and
// its radio world must answer every query, in buffers of every size the driver uses, within
// the buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "machine/Clock.h"
#include "machine/Scenario.h"
#include "machine/adapter/Identifiers.h"
#include "machine/adapter/SimulatedAdapterFactory.h"

namespace {

constexpr std::uint32_t kQueries[] = {
    machine::oid::kPermanentAddress, machine::oid::kBssid,        machine::oid::kSsid,
    machine::oid::kInfrastructureMode, machine::oid::kAuthenticationMode, machine::oid::kWepStatus,
    machine::oid::kRssi,              machine::oid::kPowerMode,    machine::oid::kBssidList,
    machine::oid::kChannel,           machine::oid::kLinkState,    machine::oid::kFirmwareVersion,
    machine::oid::kDriverVersion,     machine::oid::kEepromVersion, machine::oid::kTrafficCounters,
};
// A word, a version record, the name record and the large request's data.
constexpr std::size_t kBufferSizes[] = {4, 16, 36, 3000};
constexpr std::uint64_t kStepMs = 2500;

void RunWorld(const nlohmann::json& wireless)
{
    machine::VirtualClock clock;
    const auto adapter = machine::make_simulated_adapter(wireless, clock);
    adapter->restart({});
    const std::uint8_t none[4] = {};
    adapter->set(machine::oid::kBssidListScan, none);
    for (int step = 0; step < 3; ++step) {
        clock.advance(kStepMs);
        for (std::uint32_t oid : kQueries)
            for (std::size_t size : kBufferSizes) {
                std::vector<std::uint8_t> buffer(size, 0);
                adapter->query(oid, buffer);
            }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const machine::ScenarioLoad loaded = machine::parse_scenario(std::string(reinterpret_cast<const char*>(data), size));
    if (!loaded.scenario)
        return 0;
    const machine::ScenarioLoad again = machine::parse_scenario(machine::scenario_to_json(*loaded.scenario).dump());
    if (!again.scenario)
        std::abort();
    if (!loaded.scenario->wireless.empty())
        RunWorld(loaded.scenario->wireless);
    return 0;
}

#include "machine/adapter/SimulatedAdapterFactory.h"

#include "machine/adapter/ScenarioParser.h"

namespace machine {

std::unique_ptr<SimulatedAdapter> make_simulated_adapter(const nlohmann::json& wireless, Clock& clock)
{
    return std::make_unique<SimulatedAdapter>(parse_wireless_scenario(wireless), clock);
}

}  // namespace machine

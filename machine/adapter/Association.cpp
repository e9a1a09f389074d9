#include "machine/adapter/Association.h"

namespace machine {

namespace {

bool mode_fits(InfrastructureMode wanted, InfrastructureMode offered)
{
    return wanted == InfrastructureMode::Automatic || wanted == offered;
}

bool privacy_fits(const StationSettings& settings, const RadioNetwork& network)
{
    if (!network.privacy)
        return !settings.wep_enabled;
    if (!settings.wep_enabled)
        return false;
    if (network.keys_automatic)
        return true;
    const WepKey& key = settings.transmit_key_material();
    return !key.empty() && key == network.transmit_key_material();
}

}  // namespace

bool Association::compatible(const StationSettings& settings, const RadioNetwork& network)
{
    return !settings.ssid.empty() && settings.ssid == network.ssid && mode_fits(settings.mode, network.mode) &&
           privacy_fits(settings, network);
}

void Association::join(const StationSettings& settings, const RadioWorld& world, std::uint64_t now_ms)
{
    m_network.reset();
    follow(settings, world, now_ms);
}

void Association::follow(const StationSettings& settings, const RadioWorld& world, std::uint64_t now_ms)
{
    if (m_network && !world.reachable(*m_network))
        m_network.reset();
    if (m_network)
        return;
    int best_signal = 0;
    for (std::size_t i = 0; i < world.networks().size(); ++i) {
        if (!world.reachable(i) || !compatible(settings, world.network(i)))
            continue;
        const int signal = world.signal_dbm(i, now_ms);
        if (!m_network || signal > best_signal) {
            m_network = i;
            best_signal = signal;
        }
    }
}

}  // namespace machine

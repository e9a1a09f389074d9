#pragma once
// Which network the station is joined to, and the rules for joining one.

#include <cstdint>
#include <optional>

#include "machine/adapter/RadioWorld.h"
#include "machine/adapter/StationSettings.h"

namespace machine {

class Association {
public:
    // Whether a station with `settings` is let into `network` (name, mode, privacy and keys).
    static bool compatible(const StationSettings& settings, const RadioNetwork& network);

    // A fresh attempt, as when the network name is set: the strongest reachable compatible
    // network of that name, or none.
    void join(const StationSettings& settings, const RadioWorld& world, std::uint64_t now_ms);
    // After the world changed: a network that went away drops the link; while unjoined, the
    // station keeps looking for the name it was given.
    void follow(const StationSettings& settings, const RadioWorld& world, std::uint64_t now_ms);
    void drop() { m_network.reset(); }

    bool joined() const { return m_network.has_value(); }
    std::optional<std::size_t> network() const { return m_network; }

private:
    std::optional<std::size_t> m_network;
};

}  // namespace machine

#include "machine/adapter/DriverParameters.h"

#include <charconv>
#include <optional>

namespace machine {

namespace {

constexpr std::size_t kMaxSsidLength = 32;

std::optional<int> decimal(const std::map<std::string, std::string>& parameters, const char* name, int min, int max)
{
    const auto it = parameters.find(name);
    if (it == parameters.end())
        return std::nullopt;
    const std::string& text = it->second;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<WepKey> hex_key(const std::string& digits)
{
    WepKey key;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        std::uint8_t byte = 0;
        const auto [end, error] = std::from_chars(digits.data() + i, digits.data() + i + 2, byte, 16);
        if (error != std::errc() || end != digits.data() + i + 2)
            return std::nullopt;
        key.push_back(byte);
    }
    return key;
}

// Requirement 3: four 40-bit keys of 10 digits each; 7: one 104-bit key of 26 digits.
void apply_default_keys(StationSettings& settings, int requirement, const std::string& digits)
{
    const std::size_t key_bytes = requirement == 3 ? 5 : 13;
    const std::size_t key_count = requirement == 3 ? 4 : 1;
    if (digits.size() != 2 * key_bytes * key_count)
        return;
    for (std::size_t slot = 0; slot < key_count; ++slot) {
        // A slot whose text is not hex (a key typed in a way the page cannot convert) stays unset.
        settings.keys[slot] = hex_key(digits.substr(2 * key_bytes * slot, 2 * key_bytes)).value_or(WepKey{});
    }
}

}  // namespace

StationSettings apply_driver_parameters(StationSettings base, const std::map<std::string, std::string>& parameters)
{
    StationSettings s = std::move(base);
    if (const auto it = parameters.find("ESSID"); it != parameters.end())
        s.ssid = it->second.substr(0, kMaxSsidLength);
    if (auto mode = decimal(parameters, "NetworkMode", 0, 2))
        s.mode = static_cast<InfrastructureMode>(*mode);
    if (auto requirement = decimal(parameters, "WepReq", 0, 7)) {
        if (*requirement == 0) {
            s.wep_enabled = false;
        } else if (*requirement == 3 || *requirement == 7) {
            s.wep_enabled = true;
            if (const auto keys = parameters.find("DefaultKeys"); keys != parameters.end()) {
                s.keys = {};
                apply_default_keys(s, *requirement, keys->second);
            }
        }
    }
    if (auto key_id = decimal(parameters, "DefaultKeyId", 0, 3))
        s.transmit_key = *key_id;
    if (auto auth = decimal(parameters, "AuthenticationType", 0, static_cast<int>(kAuthenticationModeCount) - 1))
        s.authentication = static_cast<std::uint32_t>(*auth);
    if (auto power = decimal(parameters, "PSMode", 0, static_cast<int>(kPowerModeCount) - 1))
        s.power_mode = static_cast<std::uint32_t>(*power);
    if (auto preamble = decimal(parameters, "ShortPreamble", 0, 1))
        s.short_preamble = *preamble == 1;
    if (auto rate = decimal(parameters, "TransmitRate", 1, kAllRates))
        s.rate_mask = static_cast<std::uint8_t>(*rate);
    return s;
}

}  // namespace machine

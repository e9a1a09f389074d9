#pragma once
// Deterministic noise: the same scenario seed, stream and time slot always give the same
// value, whatever order the adapter is asked in.

#include <cstdint>

namespace machine {

inline std::uint64_t mix_bits(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// A value from -amplitude to +amplitude.
inline int noise_offset(std::uint64_t seed, std::uint64_t stream, std::uint64_t slot, int amplitude)
{
    if (amplitude <= 0)
        return 0;
    const std::uint64_t h = mix_bits(seed ^ mix_bits(stream ^ mix_bits(slot)));
    const auto span = static_cast<std::uint64_t>(2 * amplitude + 1);
    return static_cast<int>(h % span) - amplitude;
}

}  // namespace machine

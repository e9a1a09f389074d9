#pragma once
// An adapter that answers each identifier with bytes a test gives and records the sets.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include "machine/Adapter.h"

namespace zephra_test {

class ScriptedAdapter final : public machine::Adapter {
public:
    struct Shared {
        std::map<std::uint32_t, std::vector<std::uint8_t>> answers;
        int restarts = 0;
    };
    explicit ScriptedAdapter(Shared& shared) : m_shared(shared) {}

    bool query(std::uint32_t oid, std::span<std::uint8_t> data) override
    {
        auto it = m_shared.answers.find(oid);
        if (it == m_shared.answers.end())
            return false;
        std::copy_n(it->second.begin(), std::min(it->second.size(), data.size()), data.begin());
        return true;
    }
    bool set(std::uint32_t, std::span<const std::uint8_t>) override { return true; }
    void restart(const std::map<std::string, std::string>&) override { ++m_shared.restarts; }

private:
    Shared& m_shared;
};

// The traffic counters' answer: the transmit and receive byte counters (the second and
// fifth 32-bit words) as given, zeros elsewhere.
inline std::vector<std::uint8_t> TrafficCountersAnswer(std::uint32_t tx, std::uint32_t rx)
{
    std::vector<std::uint8_t> record(24, 0);
    std::memcpy(record.data() + 4, &tx, 4);
    std::memcpy(record.data() + 16, &rx, 4);
    return record;
}

}  // namespace zephra_test

#pragma once
// Stands in for the wireless adapter until a model is installed: every answer is zeros.

#include "machine/Adapter.h"

namespace machine {

class ZeroAdapter final : public Adapter {
public:
    bool query(std::uint32_t, std::span<std::uint8_t> data) override;
    bool set(std::uint32_t, std::span<const std::uint8_t>) override { return true; }
    void restart(const std::map<std::string, std::string>&) override { ++m_restarts; }
    int restarts() const { return m_restarts; }

private:
    int m_restarts = 0;
};

}  // namespace machine

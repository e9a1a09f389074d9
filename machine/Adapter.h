#pragma once
// What the protocol driver reaches while it is bound: the wireless adapter's miniport.
// Plain bytes in and out, so the same interface can later cross a process boundary.

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace machine {

class Adapter {
public:
    virtual ~Adapter() = default;
    // Answers a query of object identifier `oid` into `data` (already zeroed, the
    // requested length). Returns false for an identifier the adapter does not know.
    virtual bool query(std::uint32_t oid, std::span<std::uint8_t> data) = 0;
    // Applies a set of `oid` with `data`. Returns false when the adapter refuses it.
    virtual bool set(std::uint32_t oid, std::span<const std::uint8_t> data) = 0;
    // The miniport (re)starts: insertion, or the class installer's property-change
    // restart. `parameters` are the values of its driver key (name to text), when a
    // registry exists; an empty map keeps the adapter's current settings.
    virtual void restart(const std::map<std::string, std::string>& parameters) = 0;
};

}  // namespace machine

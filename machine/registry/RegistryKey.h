#pragma once
// One key of the hive. Names of sub-keys and values match without regard to letter case
// and keep the case they were created with; sub-keys list in a stable order (by name,
// letter case aside).

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace machine {

struct RegistryValue {
    std::string name;  // "" is the key's default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;

    bool operator==(const RegistryValue&) const = default;
};

// Upper-case letters for lower-case ones; the names' comparison key.
std::string fold_registry_name(std::string_view name);

class RegistryKey {
public:
    explicit RegistryKey(std::string name) : m_name(std::move(name)) {}
    RegistryKey(const RegistryKey& other);
    RegistryKey& operator=(const RegistryKey& other);

    const std::string& name() const { return m_name; }

    RegistryKey* child(std::string_view name) const;
    // The existing sub-key of that name, or a new one.
    RegistryKey& add_child(std::string_view name, bool* created = nullptr);
    std::size_t child_count() const { return m_children.size(); }
    // The sub-keys in their listing order.
    std::vector<const RegistryKey*> children() const;

    const RegistryValue* value(std::string_view name) const;
    void set_value(std::string_view name, std::uint32_t type, std::vector<std::uint8_t> data);
    std::vector<const RegistryValue*> values() const;
    std::size_t value_count() const { return m_values.size(); }

    bool operator==(const RegistryKey& other) const;

private:
    std::string m_name;
    std::map<std::string, std::unique_ptr<RegistryKey>> m_children;  // by folded name
    std::map<std::string, RegistryValue> m_values;                   // by folded name
};

}  // namespace machine

#include "machine/registry/RegistryKey.h"

namespace machine {

std::string fold_registry_name(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

RegistryKey::RegistryKey(const RegistryKey& other) : m_name(other.m_name), m_values(other.m_values)
{
    for (const auto& [folded, key] : other.m_children)
        m_children.emplace(folded, std::make_unique<RegistryKey>(*key));
}

RegistryKey& RegistryKey::operator=(const RegistryKey& other)
{
    if (this != &other) {
        RegistryKey copy(other);
        m_name = std::move(copy.m_name);
        m_children = std::move(copy.m_children);
        m_values = std::move(copy.m_values);
    }
    return *this;
}

RegistryKey* RegistryKey::child(std::string_view name) const
{
    auto it = m_children.find(fold_registry_name(name));
    return it == m_children.end() ? nullptr : it->second.get();
}

RegistryKey& RegistryKey::add_child(std::string_view name, bool* created)
{
    auto [it, inserted] = m_children.try_emplace(fold_registry_name(name));
    if (inserted)
        it->second = std::make_unique<RegistryKey>(std::string(name));
    if (created)
        *created = inserted;
    return *it->second;
}

std::vector<const RegistryKey*> RegistryKey::children() const
{
    std::vector<const RegistryKey*> result;
    result.reserve(m_children.size());
    for (const auto& [folded, key] : m_children)
        result.push_back(key.get());
    return result;
}

const RegistryValue* RegistryKey::value(std::string_view name) const
{
    auto it = m_values.find(fold_registry_name(name));
    return it == m_values.end() ? nullptr : &it->second;
}

void RegistryKey::set_value(std::string_view name, std::uint32_t type, std::vector<std::uint8_t> data)
{
    auto [it, inserted] = m_values.try_emplace(fold_registry_name(name));
    // An overwritten value keeps the name it was created with, as a key does.
    if (inserted)
        it->second.name = std::string(name);
    it->second.type = type;
    it->second.data = std::move(data);
}

std::vector<const RegistryValue*> RegistryKey::values() const
{
    std::vector<const RegistryValue*> result;
    result.reserve(m_values.size());
    for (const auto& [folded, value] : m_values)
        result.push_back(&value);
    return result;
}

bool RegistryKey::operator==(const RegistryKey& other) const
{
    if (m_name != other.m_name || m_values != other.m_values || m_children.size() != other.m_children.size())
        return false;
    for (auto a = m_children.begin(), b = other.m_children.begin(); a != m_children.end(); ++a, ++b)
        if (a->first != b->first || !(*a->second == *b->second))
            return false;
    return true;
}

}  // namespace machine

#pragma once
// The machine's registry: one key tree per predefined root, addressed by root and a
// backslash-separated path.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "machine/RegistryTypes.h"
#include "machine/registry/RegistryKey.h"

namespace machine {

// The names of a key path; a trailing backslash is allowed, an empty name anywhere else is
// not (nothing then).
std::optional<std::vector<std::string>> split_registry_path(std::string_view path);

// "HKEY_LOCAL_MACHINE" and the other root names, with their short forms ("HKLM").
std::optional<RegistryRoot> registry_root_named(std::string_view name);
const char* registry_root_name(RegistryRoot root);

class RegistryHive {
public:
    RegistryHive();

    RegistryKey& root(RegistryRoot root) { return m_roots[static_cast<std::size_t>(root)]; }
    const RegistryKey& root(RegistryRoot root) const { return m_roots[static_cast<std::size_t>(root)]; }

    // The key at `path` below `root`, or null when it does not exist or the path is bad.
    RegistryKey* find(RegistryRoot root, std::string_view path);
    // The key at `path`, made with every missing key on the way; null for a bad path.
    RegistryKey* create(RegistryRoot root, std::string_view path, bool* created = nullptr);

    bool operator==(const RegistryHive&) const = default;

private:
    std::array<RegistryKey, kRegistryRootCount> m_roots;
};

}  // namespace machine

#include "machine/registry/RegistryHive.h"

namespace machine {

namespace {

struct RootName {
    RegistryRoot root;
    const char* name;
    const char* short_name;
};

constexpr RootName kRootNames[] = {
    {RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {RegistryRoot::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {RegistryRoot::Users, "HKEY_USERS", "HKU"},
};

}  // namespace

std::optional<std::vector<std::string>> split_registry_path(std::string_view path)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos)
            end = path.size();
        if (end == start)
            return std::nullopt;
        names.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::optional<RegistryRoot> registry_root_named(std::string_view name)
{
    const std::string folded = fold_registry_name(name);
    for (const RootName& r : kRootNames)
        if (folded == r.name || folded == r.short_name)
            return r.root;
    return std::nullopt;
}

const char* registry_root_name(RegistryRoot root)
{
    return kRootNames[static_cast<std::size_t>(root)].name;
}

RegistryHive::RegistryHive()
    : m_roots{RegistryKey(kRootNames[0].name), RegistryKey(kRootNames[1].name), RegistryKey(kRootNames[2].name),
              RegistryKey(kRootNames[3].name)}
{
}

RegistryKey* RegistryHive::find(RegistryRoot r, std::string_view path)
{
    auto names = split_registry_path(path);
    if (!names)
        return nullptr;
    RegistryKey* key = &root(r);
    for (const std::string& name : *names) {
        key = key->child(name);
        if (!key)
            return nullptr;
    }
    return key;
}

RegistryKey* RegistryHive::create(RegistryRoot r, std::string_view path, bool* created)
{
    auto names = split_registry_path(path);
    if (!names)
        return nullptr;
    RegistryKey* key = &root(r);
    bool made = false;
    for (const std::string& name : *names)
        key = &key->add_child(name, &made);
    if (created)
        *created = made;
    return key;
}

}  // namespace machine

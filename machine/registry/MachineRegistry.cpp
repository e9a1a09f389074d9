#include "machine/registry/MachineRegistry.h"

#include <algorithm>

namespace machine {

MachineRegistry::MachineRegistry(RegistryHive initial, bool local_machine_read_only, std::unique_ptr<HiveStore> store,
                                 bool fresh)
    : m_hive(std::move(initial)), m_local_machine_read_only(local_machine_read_only), m_store(std::move(store))
{
    if (!m_store)
        return;
    HiveStore::Lock lock(*m_store);
    if (!fresh) {
        if (auto saved = m_store->load()) {
            m_hive = std::move(*saved);
            return;
        }
    }
    m_store->save(m_hive);
}

MachineRegistry::~MachineRegistry()
{
    save();
}

void MachineRegistry::refresh()
{
    if (m_store && m_store->changed_on_disk()) {
        HiveStore::Lock lock(*m_store);
        reload_keeping_changes();
    }
}

void MachineRegistry::reload_keeping_changes()
{
    // A file gone or damaged leaves this process's hive as the best there is.
    auto saved = m_store->load();
    if (!saved)
        return;
    m_hive = std::move(*saved);
    for (const Change& change : m_unsaved) {
        RegistryKey* key = m_hive.create(change.root, change.path);
        if (key && change.value)
            key->set_value(change.name, change.type, change.data);
    }
}

void MachineRegistry::save()
{
    if (!m_store || m_unsaved.empty())
        return;
    HiveStore::Lock lock(*m_store);
    if (m_store->changed_on_disk())
        reload_keeping_changes();
    if (m_store->save(m_hive))
        m_unsaved.clear();
}

bool MachineRegistry::writable(RegistryRoot root) const
{
    return !(m_local_machine_read_only && root == RegistryRoot::LocalMachine);
}

RegistryKey* MachineRegistry::existing(RegistryRoot root, const std::string& path, std::uint32_t& error)
{
    RegistryKey* key = m_hive.find(root, path);
    error = key ? kRegistryOk : split_registry_path(path) ? kRegistryKeyDeleted : kRegistryBadPath;
    return key;
}

RegistryKeyResult MachineRegistry::open_key(RegistryRoot root, const std::string& path, bool write)
{
    refresh();
    if (!split_registry_path(path))
        return {kRegistryBadPath, false};
    if (!m_hive.find(root, path))
        return {kRegistryNotFound, false};
    if (write && !writable(root))
        return {kRegistryAccessDenied, false};
    return {};
}

RegistryKeyResult MachineRegistry::create_key(RegistryRoot root, const std::string& path, bool write)
{
    refresh();
    if (!split_registry_path(path))
        return {kRegistryBadPath, false};
    if (!writable(root) && (write || !m_hive.find(root, path)))
        return {kRegistryAccessDenied, false};
    bool created = false;
    m_hive.create(root, path, &created);
    if (created && m_store)
        m_unsaved.push_back({root, path, false, "", 0, {}});
    return {kRegistryOk, created};
}

RegistryKeyInfo MachineRegistry::key_info(RegistryRoot root, const std::string& path)
{
    refresh();
    RegistryKeyInfo info;
    const RegistryKey* key = existing(root, path, info.error);
    if (!key)
        return info;
    info.sub_keys = static_cast<std::uint32_t>(key->child_count());
    info.values = static_cast<std::uint32_t>(key->value_count());
    for (const RegistryKey* child : key->children())
        info.max_sub_key_length = std::max(info.max_sub_key_length, static_cast<std::uint32_t>(child->name().size()));
    for (const RegistryValue* value : key->values()) {
        info.max_value_name_length = std::max(info.max_value_name_length, static_cast<std::uint32_t>(value->name.size()));
        info.max_value_length = std::max(info.max_value_length, static_cast<std::uint32_t>(value->data.size()));
    }
    return info;
}

RegistryName MachineRegistry::sub_key_name(RegistryRoot root, const std::string& path, std::uint32_t index)
{
    refresh();
    RegistryName result;
    const RegistryKey* key = existing(root, path, result.error);
    if (!key)
        return result;
    if (index >= key->child_count()) {
        result.error = kRegistryNoMoreItems;
        return result;
    }
    result.name = key->children()[index]->name();
    return result;
}

RegistryData MachineRegistry::query_value(RegistryRoot root, const std::string& path, const std::string& name)
{
    refresh();
    RegistryData result;
    const RegistryKey* key = existing(root, path, result.error);
    if (!key)
        return result;
    const RegistryValue* value = key->value(name);
    if (!value) {
        result.error = kRegistryNotFound;
        return result;
    }
    result.type = value->type;
    result.bytes = value->data;
    return result;
}

std::uint32_t MachineRegistry::set_value(RegistryRoot root, const std::string& path, const std::string& name,
                                         std::uint32_t type, const std::vector<std::uint8_t>& data)
{
    refresh();
    std::uint32_t error = kRegistryOk;
    RegistryKey* key = existing(root, path, error);
    if (!key)
        return error;
    if (!writable(root))
        return kRegistryAccessDenied;
    key->set_value(name, type, data);
    if (m_store)
        m_unsaved.push_back({root, path, true, name, type, data});
    return kRegistryOk;
}

std::map<std::string, std::string> MachineRegistry::text_values(RegistryRoot root, const std::string& path)
{
    refresh();
    std::map<std::string, std::string> result;
    const RegistryKey* key = m_hive.find(root, path);
    if (!key)
        return result;
    for (const RegistryValue* value : key->values()) {
        if (value->type == kRegSz) {
            const auto& d = value->data;
            result[value->name] = std::string(d.begin(), std::find(d.begin(), d.end(), std::uint8_t{0}));
        } else if (value->type == kRegDword && value->data.size() == 4) {
            const auto& d = value->data;
            const std::uint32_t number = d[0] | (d[1] << 8) | (d[2] << 16) | (static_cast<std::uint32_t>(d[3]) << 24);
            result[value->name] = std::to_string(number);
        }
    }
    return result;
}

}  // namespace machine

#pragma once
// The registry as the machine serves it: keys named by root and path, access of a limited
// user, and the results the platform's calls report.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "machine/RegistryTypes.h"
#include "machine/registry/HiveStore.h"
#include "machine/registry/RegistryHive.h"

namespace machine {

class MachineRegistry {
public:
    // `local_machine_read_only`: the user may read HKEY_LOCAL_MACHINE but change nothing there.
    // With a store the hive is the one of its file, when there is one and `fresh` is not
    // asked for; otherwise `initial`, written to the file at once.
    MachineRegistry(RegistryHive initial, bool local_machine_read_only, std::unique_ptr<HiveStore> store = nullptr,
                    bool fresh = false);
    // Keeps what was changed, as at any save.
    ~MachineRegistry();
    MachineRegistry(const MachineRegistry&) = delete;
    MachineRegistry& operator=(const MachineRegistry&) = delete;

    RegistryKeyResult open_key(RegistryRoot root, const std::string& path, bool write);
    RegistryKeyResult create_key(RegistryRoot root, const std::string& path, bool write);
    RegistryKeyInfo key_info(RegistryRoot root, const std::string& path);
    RegistryName sub_key_name(RegistryRoot root, const std::string& path, std::uint32_t index);
    RegistryData query_value(RegistryRoot root, const std::string& path, const std::string& name);
    std::uint32_t set_value(RegistryRoot root, const std::string& path, const std::string& name, std::uint32_t type,
                            const std::vector<std::uint8_t>& data);

    // The string and number values of a key as text (numbers in decimal): what a driver
    // reads from its key. Empty when the key does not exist.
    std::map<std::string, std::string> text_values(RegistryRoot root, const std::string& path);

    // Writes the changes made since the last save to the store, merged into what other
    // processes saved there meanwhile. Nothing without a store or without changes.
    void save();

    const RegistryHive& hive() const { return m_hive; }
    void set_local_machine_read_only(bool read_only) { m_local_machine_read_only = read_only; }
    const HiveStore* store() const { return m_store.get(); }

private:
    // A change not yet in the file, kept so that it can be made again on a newer hive.
    struct Change {
        RegistryRoot root;
        std::string path;
        bool value = false;  // a value set, else a key created
        std::string name;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };

    // Takes in what another process saved since this one last read or wrote the file.
    void refresh();
    void reload_keeping_changes();

    bool writable(RegistryRoot root) const;
    // The key of an open handle: gone keys and bad paths give a code instead.
    RegistryKey* existing(RegistryRoot root, const std::string& path, std::uint32_t& error);

    RegistryHive m_hive;
    bool m_local_machine_read_only;
    std::unique_ptr<HiveStore> m_store;
    std::vector<Change> m_unsaved;
};

}  // namespace machine

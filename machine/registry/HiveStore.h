#pragma once
// The hive's file in a machine's state directory: read, written atomically (a temporary
// file flushed to disk, then renamed over the old one) with mode 0600, and an advisory
// lock that processes sharing the directory hold across load, change and save.

#include <optional>
#include <string>

#include <sys/types.h>

#include "machine/registry/RegistryHive.h"

namespace machine {

class HiveStore {
public:
    // Makes the directory (mode 0700) when it does not exist yet.
    explicit HiveStore(std::string directory);
    HiveStore(const HiveStore&) = delete;
    HiveStore& operator=(const HiveStore&) = delete;

    const std::string& directory() const { return m_directory; }
    std::string file_path() const;

    // Held while it lives; every load and save happens under it.
    class Lock {
    public:
        explicit Lock(const HiveStore& store);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        int m_fd;
    };

    // The hive in the file; nothing when there is none, or when it does not parse: that
    // file is then kept aside as registry.corrupt-<time> and reported on standard error.
    std::optional<RegistryHive> load();
    // Whether the file is no longer the one last loaded or saved here.
    bool changed_on_disk() const;
    // False (with a message on standard error) when the hive could not be written; the
    // old file is then untouched.
    bool save(const RegistryHive& hive);

private:
    struct Identity {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        long long modified_ns = 0;

        bool operator==(const Identity&) const = default;
    };
    Identity current_identity() const;
    void set_aside_corrupt(const std::string& error);
    void remove_stale_temporaries();

    std::string m_directory;
    Identity m_known;
    bool m_ready = false;  // the directory exists and is usable
};

}  // namespace machine

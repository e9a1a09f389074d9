#include "machine/registry/HiveStore.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "machine/StateDirectory.h"
#include "machine/registry/HiveText.h"

namespace machine {

namespace {

constexpr const char* kHiveFile = "registry";
constexpr const char* kLockFile = "registry.lock";
constexpr const char* kTemporaryPrefix = "registry.tmp-";
constexpr mode_t kFileMode = 0600;

void report(const std::string& what)
{
    std::cerr << "zephra machine: " << what << std::endl;
}

bool write_all(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string utc_stamp()
{
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &parts);
    return text;
}

}  // namespace

HiveStore::HiveStore(std::string directory) : m_directory(std::move(directory))
{
    m_ready = make_private_directory(m_directory);
    if (!m_ready)
        report("cannot use the state directory " + m_directory + "; the registry is not kept");
}

std::string HiveStore::file_path() const
{
    return m_directory + "/" + kHiveFile;
}

HiveStore::Lock::Lock(const HiveStore& store)
    : m_fd(store.m_ready ? ::open((store.m_directory + "/" + kLockFile).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kFileMode)
                         : -1)
{
    if (m_fd >= 0)
        while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
}

HiveStore::Lock::~Lock()
{
    if (m_fd >= 0)
        ::close(m_fd);  // releases the lock
}

HiveStore::Identity HiveStore::current_identity() const
{
    struct stat st {};
    if (::stat(file_path().c_str(), &st) != 0)
        return {};
    return {true, st.st_dev, st.st_ino, st.st_size,
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

bool HiveStore::changed_on_disk() const
{
    return m_ready && current_identity() != m_known;
}

std::optional<RegistryHive> HiveStore::load()
{
    if (!m_ready)
        return std::nullopt;
    remove_stale_temporaries();
    m_known = current_identity();
    if (!m_known.exists)
        return std::nullopt;
    std::ifstream in(file_path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) {
        report("cannot read " + file_path());
        return std::nullopt;
    }
    HiveParse parsed = parse_hive(text.str());
    if (!parsed.hive) {
        set_aside_corrupt(parsed.error);
        m_known = current_identity();
        return std::nullopt;
    }
    return std::move(parsed.hive);
}

void HiveStore::set_aside_corrupt(const std::string& error)
{
    std::string aside = m_directory + "/registry.corrupt-" + utc_stamp();
    for (int n = 2; std::filesystem::exists(aside); ++n)
        aside = m_directory + "/registry.corrupt-" + utc_stamp() + "-" + std::to_string(n);
    std::error_code ignored;
    std::filesystem::rename(file_path(), aside, ignored);
    report("the registry file " + file_path() + " is damaged (" + error + "); kept as " + aside +
           ", starting from the scenario's registry");
}

// A process killed while it wrote leaves its temporary file; no one else writes while the
// lock is held, so any that exist are stale.
void HiveStore::remove_stale_temporaries()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_directory, error))
        if (entry.path().filename().string().starts_with(kTemporaryPrefix))
            std::filesystem::remove(entry.path(), error);
}

bool HiveStore::save(const RegistryHive& hive)
{
    if (!m_ready)
        return false;
    const std::string temporary = m_directory + "/" + kTemporaryPrefix + std::to_string(::getpid());
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kFileMode);
    bool ok = fd >= 0 && ::fchmod(fd, kFileMode) == 0 && write_all(fd, format_hive(hive)) && ::fsync(fd) == 0;
    if (fd >= 0)
        ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), file_path().c_str()) == 0;
    if (!ok) {
        report("cannot write " + file_path() + ": " + std::strerror(errno));
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the directory.
    int dir = ::open(m_directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    m_known = current_identity();
    return true;
}

}  // namespace machine

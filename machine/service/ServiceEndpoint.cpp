#include "machine/service/ServiceEndpoint.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "machine/StateDirectory.h"

namespace machine::service {

namespace fs = std::filesystem;

fs::path runtime_folder()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && runtime[0] == '/')
        return fs::path(runtime) / "zephra";
    return fs::path("/tmp") / ("zephra-" + std::to_string(getuid()));
}

std::string prepare_runtime_folder(const fs::path& folder)
{
    std::error_code ignored;
    fs::create_directories(folder.parent_path(), ignored);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return "cannot create " + folder.string() + ": " + std::strerror(errno);
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0)
        return "cannot read " + folder.string() + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return folder.string() + " is not a directory";
    if (info.st_uid != getuid())
        return folder.string() + " belongs to another user";
    if ((info.st_mode & 077) != 0 && chmod(folder.c_str(), 0700) != 0)
        return folder.string() + " is open to other users and cannot be made private";
    return {};
}

ServiceEndpoint endpoint_for(const fs::path& folder, const std::string& machine_directory)
{
    std::error_code error;
    const fs::path full = fs::weakly_canonical(fs::absolute(machine_directory, error), error);
    const std::string name = "machine-" + path_code(full.string());
    return {folder / (name + ".sock"), folder / (name + ".lock"), folder / (name + ".log")};
}

bool service_process_alive(const ServiceEndpoint& endpoint)
{
    std::ifstream lock(endpoint.lock);
    pid_t pid = 0;
    if (!(lock >> pid) || pid <= 0)
        return false;
    return kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace machine::service

#include "machine/StateDirectory.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace machine {

namespace {

constexpr const char* kBuiltInMachine = "default";

std::string state_home()
{
    // A relative XDG_STATE_HOME is invalid and ignored, as the base-directory convention has it.
    const char* xdg = std::getenv("XDG_STATE_HOME");
    if (xdg && xdg[0] == '/')
        return std::string(xdg) + "/zephra";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/state/zephra";
    return "";
}

}  // namespace

std::string path_code(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

std::string machine_state_directory(const std::string& scenario_file)
{
    const std::string home = state_home();
    if (home.empty())
        return "";
    if (scenario_file.empty())
        return home + "/" + kBuiltInMachine;
    std::error_code error;
    std::filesystem::path full = std::filesystem::weakly_canonical(std::filesystem::absolute(scenario_file, error), error);
    return home + "/" + full.stem().string() + "-" + path_code(full.string());
}

bool make_private_directory(const std::string& directory)
{
    std::error_code error;
    const std::filesystem::path path(directory);
    if (!std::filesystem::exists(path, error)) {
        std::filesystem::create_directories(path, error);
        if (!error)
            std::filesystem::permissions(path, std::filesystem::perms::owner_all, error);
    }
    return std::filesystem::is_directory(path, error);
}

}  // namespace machine

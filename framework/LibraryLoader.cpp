#include "framework/Library.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>

#include "framework/ModuleState.h"
#include "framework/ResourceModule.h"
#include "framework/ResourceReader.h"
#include "platform/Files.h"
#include "platform/Kernel.h"

namespace fw {

namespace {

namespace fs = std::filesystem;

struct LoadedModule {
    std::unique_ptr<ResourceModule> module;
    int uses = 0;
};

std::string g_directory;
std::map<fs::path, LoadedModule> g_loaded;
std::string g_last_error_text;

fs::path ProgramDirectory()
{
    if (!g_directory.empty())
        return g_directory;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

// File names on the system's platform ignore case; the exact name is tried first.
std::optional<fs::path> FindModuleFileIn(const fs::path& directory, const fs::path& name)
{
    std::error_code ec;
    fs::path exact = directory / name.filename();
    if (fs::is_regular_file(exact, ec))
        return exact;
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::string wanted = lower(name.filename().string());
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && lower(it->path().filename().string()) == wanted)
            return it->path();
    return std::nullopt;
}

// A bare name is looked up in the program's folder, then in the folder of the library whose
// code asks, so that a library finds its own resource modules beside it.
std::optional<fs::path> FindModuleFile(const std::string& file_name)
{
    fs::path name(file_name);
    if (name.has_parent_path())
        return FindModuleFileIn(name.parent_path(), name);
    if (auto found = FindModuleFileIn(ProgramDirectory(), name))
        return found;
    if (const char* own = CurrentModuleState().directory)
        return FindModuleFileIn(own, name);
    return std::nullopt;
}

HMODULE Fail(DWORD code, std::string text = {})
{
    SetLastError(code);
    g_last_error_text = std::move(text);
    return nullptr;
}

}  // namespace

void SetLibraryDirectory(const std::string& directory) { g_directory = directory; }
const std::string& LastLibraryErrorText() { return g_last_error_text; }

}  // namespace fw

HMODULE LoadLibraryA(LPCSTR file_name)
{
    using namespace fw;
    if (!file_name || !*file_name)
        return Fail(kLibraryNotFound);
    // A full path on the machine's drive names the real file behind it.
    const std::string on_drive = platform::HostPath(file_name);
    auto path = FindModuleFile(on_drive.empty() ? std::string(file_name) : on_drive);
    if (!path)
        return Fail(kLibraryNotFound, std::string(file_name) + ": no such module");
    std::error_code ec;
    fs::path key = fs::weakly_canonical(*path, ec);
    if (ec)
        key = *path;
    if (auto it = g_loaded.find(key); it != g_loaded.end()) {
        ++it->second.uses;
        return HandleOfModule(it->second.module.get());
    }

    std::ifstream in(*path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in.good() && !in.eof())
        return Fail(kLibraryBadFormat, path->string() + ": cannot be read");
    ResourceReadResult read = ReadResourceModule(text.str(), path->filename().string());
    if (!read.module)
        return Fail(kLibraryBadFormat, read.error);
    LoadedModule& loaded = g_loaded[key];
    loaded.module = std::move(read.module);
    loaded.uses = 1;
    return HandleOfModule(loaded.module.get());
}

std::size_t fw::LoadedLibraryCount() { return g_loaded.size(); }

BOOL FreeLibrary(HMODULE handle)
{
    using namespace fw;
    for (auto it = g_loaded.begin(); it != g_loaded.end(); ++it) {
        if (HandleOfModule(it->second.module.get()) != handle)
            continue;
        if (--it->second.uses == 0) {
            // A released module is never used again, by the program or the running library.
            for (ModuleState* state : {&CurrentModuleState(), &ProgramModuleState()})
                if (state->resources == it->second.module.get())
                    state->resources = state->own;
            g_loaded.erase(it);
        }
        return TRUE;
    }
    Fail(kLibraryInvalidHandle);
    return FALSE;
}

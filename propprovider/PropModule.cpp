// The library's module: its state, its application object and its entry, which sets both
// up when the library is loaded and ends the application object when it is unloaded.
#include <dlfcn.h>

#include <filesystem>
#include <string>

#include "framework/ModuleState.h"
#include "propprovider/ZephraPropApp.h"
#include "resources/PropResources.h"

namespace {

// Constant-initialised, so it exists before any object of the library is constructed.
fw::ModuleState s_moduleState;

std::string OwnDirectory()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&OwnDirectory), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return std::filesystem::path(info.dli_fname).parent_path().string();
}

CZephraPropApp s_app;

class LibraryEntry {
public:
    LibraryEntry() : m_directory(OwnDirectory())
    {
        AFX_MANAGE_STATE(&s_moduleState);
        s_moduleState.own = &zephra::PropResources();
        s_moduleState.resources = s_moduleState.own;
        s_moduleState.directory = m_directory.empty() ? nullptr : m_directory.c_str();
        s_app.InitApplication();
        s_app.InitInstance();
    }
    ~LibraryEntry()
    {
        AFX_MANAGE_STATE(&s_moduleState);
        s_app.FreeLanguageLibrary();
        s_app.ExitInstance();
    }
    LibraryEntry(const LibraryEntry&) = delete;
    LibraryEntry& operator=(const LibraryEntry&) = delete;

private:
    std::string m_directory;
};

LibraryEntry s_entry;

}  // namespace

CZephraPropApp& ThePropApp() { return s_app; }
fw::ModuleState* PropModuleState() { return &s_moduleState; }

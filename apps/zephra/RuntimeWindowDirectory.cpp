#include "apps/zephra/RuntimeWindowDirectory.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/Window.h"
#include "machine/service/ServiceEndpoint.h"

namespace zephra_app {

namespace fs = std::filesystem;

namespace {

bool ProcessAlive(int pid)
{
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

// Entries are named "<pid>-<window>"; anything else in the folder is not ours.
bool ParseEntryName(const std::string& name, int& pid)
{
    const auto dash = name.find('-');
    if (dash == std::string::npos || dash == 0)
        return false;
    char* end = nullptr;
    const long value = std::strtol(name.c_str(), &end, 10);
    if (end != name.c_str() + dash || value <= 0)
        return false;
    pid = static_cast<int>(value);
    return true;
}

HWND ForeignHandle(int pid)
{
    // Handles of this process's windows are multiples of four; an odd value names none.
    return reinterpret_cast<HWND>((static_cast<std::uintptr_t>(pid) << 1) | 1U);
}

}  // namespace

fs::path RuntimeWindowDirectory::DefaultFolder() { return machine::service::runtime_folder(); }

RuntimeWindowDirectory::RuntimeWindowDirectory(fs::path folder) : m_folder(std::move(folder)), m_pid(getpid())
{
    // Made when missing; one that is another user's cannot be written, and publishing fails.
    machine::service::prepare_runtime_folder(m_folder);
}

RuntimeWindowDirectory::~RuntimeWindowDirectory()
{
    std::error_code ignored;
    for (HWND window : m_published)
        fs::remove(EntryPath(window), ignored);
}

fs::path RuntimeWindowDirectory::EntryPath(HWND window) const
{
    return m_folder / (std::to_string(m_pid) + "-" + std::to_string(reinterpret_cast<std::uintptr_t>(window)));
}

void RuntimeWindowDirectory::publish(HWND window)
{
    const fw::Window* w = fw::FromHandle(window);
    if (w == nullptr || w->is_child())
        return;
    const fs::path entry = EntryPath(window);
    fs::path temporary = entry;
    temporary.replace_filename("." + entry.filename().string() + ".tmp");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << w->class_name << '\n' << w->text;
        out.flush();
        if (!out)
            return;
    }
    std::error_code error;
    fs::rename(temporary, entry, error);
    if (error) {
        fs::remove(temporary, error);
        return;
    }
    m_published.insert(window);
}

void RuntimeWindowDirectory::withdraw(HWND window)
{
    if (m_published.erase(window) == 0)
        return;
    std::error_code ignored;
    fs::remove(EntryPath(window), ignored);
}

HWND RuntimeWindowDirectory::find_window(LPCSTR class_name, LPCSTR title)
{
    if (HWND local = fw::LocalWindowDirectory().find_window(class_name, title))
        return local;
    const bool by_class = class_name != nullptr && !IS_INTRESOURCE(class_name);
    std::error_code error;
    for (fs::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        int pid = 0;
        if (name.front() == '.' || !ParseEntryName(name, pid) || pid == m_pid)
            continue;
        if (!ProcessAlive(pid)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
            continue;
        }
        std::ifstream in(it->path(), std::ios::binary);
        std::string entry_class;
        if (!std::getline(in, entry_class))
            continue;
        const std::string entry_title{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (title != nullptr && entry_title != title)
            continue;
        if (by_class && entry_class != class_name)
            continue;
        return ForeignHandle(pid);
    }
    return nullptr;
}

}  // namespace zephra_app

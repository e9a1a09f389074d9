#pragma once
// The top-level windows of all of the user's Zephra processes, so that a second copy finds
// the first by its title. Each process keeps one file per top-level window in a per-user
// folder (name: process id and window, content: class and title), written atomically and
// removed when the window goes; entries of processes that have died are ignored and swept.

#include <filesystem>
#include <set>

#include "framework/WindowDirectory.h"

namespace zephra_app {

class RuntimeWindowDirectory final : public fw::WindowDirectory {
public:
    // $XDG_RUNTIME_DIR/zephra, else /tmp/zephra-<uid>: the machine service's folder too.
    static std::filesystem::path DefaultFolder();

    explicit RuntimeWindowDirectory(std::filesystem::path folder);
    ~RuntimeWindowDirectory() override;
    RuntimeWindowDirectory(const RuntimeWindowDirectory&) = delete;
    RuntimeWindowDirectory& operator=(const RuntimeWindowDirectory&) = delete;

    // Writes (or rewrites) the entry of one of this process's top-level windows.
    void publish(HWND window);
    void withdraw(HWND window);

    // This process's windows first, then the other processes'. A window of another process
    // comes back as a handle that names no window here (there is nothing to send it).
    HWND find_window(LPCSTR class_name, LPCSTR title) override;

private:
    std::filesystem::path EntryPath(HWND window) const;

    std::filesystem::path m_folder;
    int m_pid;
    std::set<HWND> m_published;
};

}  // namespace zephra_app

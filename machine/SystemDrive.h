#pragma once
// The machine's system drive "C:\": a real folder that holds the Windows directory with the
// files the system reads (the miniport driver's file, the help program whose hand cursor a
// link shows). Windows paths on the drive map to paths inside the folder.

#include <filesystem>
#include <optional>
#include <string>

namespace machine {

class SystemDrive {
public:
    // `windows_name` is the Windows directory's name ("WINDOWS", "WINNT"); `driver_file_time`
    // the driver file's last-write time as local "YYYY-MM-DD HH:MM:SS", empty for no file.
    // `system_files` is the folder the help program is copied from.
    SystemDrive(std::filesystem::path root, bool temporary, const std::string& windows_name,
                const std::string& driver_file_time, const std::filesystem::path& system_files);
    ~SystemDrive();
    SystemDrive(const SystemDrive&) = delete;
    SystemDrive& operator=(const SystemDrive&) = delete;

    const std::filesystem::path& root() const { return m_root; }
    // "C:\WINDOWS" or "C:\WINNT".
    std::string windows_directory() const { return "C:\\" + m_windows_name; }
    // The folder of a Windows path on this drive; nothing for a path elsewhere or one that
    // climbs out of the drive. Names match without regard to case, as on the system's drives.
    std::optional<std::filesystem::path> host_path(const std::string& windows_path) const;

private:
    std::filesystem::path m_root;
    bool m_temporary;
    std::string m_windows_name;
};

// A fresh folder under the system's temporary directory, for a machine without lasting state.
std::filesystem::path MakeTemporaryDriveFolder();
// The folder of the running program, where the build puts the system's resource modules.
std::filesystem::path ProgramFolder();

constexpr const char* kDriverFileRelative = "system32/drivers/qtnd23.sys";
constexpr const char* kHelpProgramName = "winhlp32.exe";

}  // namespace machine

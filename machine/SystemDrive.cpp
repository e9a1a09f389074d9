#include "machine/SystemDrive.h"

#include <cctype>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace machine {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Local "YYYY-MM-DD HH:MM:SS" as seconds since the epoch; nothing when it does not read.
std::optional<std::time_t> LocalTime(const std::string& text)
{
    std::tm tm{};
    std::istringstream in(text);
    in >> std::get_time(&tm, "%Y-%m-%d %H:%M:%S");
    if (in.fail())
        return std::nullopt;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

void WriteDriverFile(const fs::path& file, const std::string& time_text)
{
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    const auto time = LocalTime(time_text);
    if (!time) {
        fs::remove(file, ec);
        return;
    }
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "miniport driver of the wireless adapter\n";
    const timespec times[2] = {{*time, 0}, {*time, 0}};
    utimensat(AT_FDCWD, file.c_str(), times, 0);
}

}  // namespace

SystemDrive::SystemDrive(fs::path root, bool temporary, const std::string& windows_name,
                         const std::string& driver_file_time, const fs::path& system_files)
    : m_root(std::move(root)), m_temporary(temporary), m_windows_name(windows_name)
{
    if (m_root.empty())
        return;
    const fs::path windows = m_root / windows_name;
    std::error_code ec;
    fs::create_directories(windows, ec);
    WriteDriverFile(windows / kDriverFileRelative, driver_file_time);
    // A machine without the help program shows links with the default cursor.
    fs::copy_file(system_files / kHelpProgramName, windows / kHelpProgramName, fs::copy_options::overwrite_existing, ec);
}

SystemDrive::~SystemDrive()
{
    if (m_temporary && !m_root.empty()) {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
}

std::optional<fs::path> SystemDrive::host_path(const std::string& windows_path) const
{
    if (m_root.empty() || windows_path.size() < 3 || std::toupper(static_cast<unsigned char>(windows_path[0])) != 'C' ||
        windows_path[1] != ':' || (windows_path[2] != '\\' && windows_path[2] != '/'))
        return std::nullopt;
    fs::path result = m_root;
    std::string rest = windows_path.substr(3);
    std::size_t start = 0;
    while (start <= rest.size()) {
        const std::size_t end = rest.find_first_of("\\/", start);
        const std::string name = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? rest.size() + 1 : end + 1;
        if (name.empty() || name == ".")
            continue;
        if (name == "..")
            return std::nullopt;
        // The exact name first, then any entry that differs only in case.
        fs::path next = result / name;
        std::error_code ec;
        if (!fs::exists(next, ec))
            for (fs::directory_iterator it(result, ec), done; !ec && it != done; it.increment(ec))
                if (Lower(it->path().filename().string()) == Lower(name)) {
                    next = it->path();
                    break;
                }
        result = next;
    }
    return result;
}

fs::path MakeTemporaryDriveFolder()
{
    std::string pattern = (fs::temp_directory_path() / "zephra-drive-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    // No folder, no drive: the machine then has no files at all.
    return mkdtemp(buffer.data()) == nullptr ? fs::path() : fs::path(buffer.data());
}

fs::path ProgramFolder()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
}

}  // namespace machine

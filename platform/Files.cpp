#include "platform/Files.h"
#include "platform/OpenHandles.h"

#include <cstring>
#include <ctime>
#include <filesystem>
#include <fnmatch.h>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <vector>

#include "machine/MachinePort.h"
#include "platform/CurrentMachine.h"
#include "platform/Kernel.h"

namespace {

namespace fs = std::filesystem;

// Seconds from January 1, 1601 to the Unix epoch, and the file-time ticks in a second.
constexpr std::int64_t kEpochDifference = 11644473600;
constexpr std::int64_t kTicksPerSecond = 10000000;

FILETIME FileTimeOf(std::int64_t ticks)
{
    FILETIME t;
    t.dwLowDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) & 0xFFFFFFFF);
    t.dwHighDateTime = static_cast<DWORD>(static_cast<std::uint64_t>(ticks) >> 32);
    return t;
}

std::int64_t TicksOf(const FILETIME& t)
{
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

FILETIME FileTimeOf(const timespec& t)
{
    return FileTimeOf((static_cast<std::int64_t>(t.tv_sec) + kEpochDifference) * kTicksPerSecond + t.tv_nsec / 100);
}

WIN32_FIND_DATAA FindDataOf(const fs::path& path)
{
    WIN32_FIND_DATAA data{};
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        data.dwFileAttributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
        data.ftCreationTime = FileTimeOf(info.st_ctim);
        data.ftLastAccessTime = FileTimeOf(info.st_atim);
        data.ftLastWriteTime = FileTimeOf(info.st_mtim);
        const auto size = static_cast<std::uint64_t>(info.st_size);
        data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
        data.nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFF);
    }
    path.filename().string().copy(data.cFileName, MAX_PATH - 1);
    return data;
}

struct FindState {
    std::vector<fs::path> matches;
    std::size_t next = 0;
};

std::map<HANDLE, std::unique_ptr<FindState>>& Searches()
{
    static std::map<HANDLE, std::unique_ptr<FindState>> searches;
    return searches;
}

// The name after the last separator of a system path, and the folder before it.
std::pair<std::string, std::string> SplitLastName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos)
        return {"", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

}  // namespace

namespace platform {

std::string HostPath(LPCSTR windows_path)
{
    return windows_path ? CurrentMachine().host_path(windows_path) : std::string();
}

}  // namespace platform

HANDLE FindFirstFileA(LPCSTR fileName, WIN32_FIND_DATAA* findData)
{
    if (fileName == nullptr || findData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const auto [folder_name, pattern] = SplitLastName(fileName);
    const std::string folder = platform::HostPath(folder_name.c_str());
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto state = std::make_unique<FindState>();
    for (fs::directory_iterator it(folder, ec), done; !ec && it != done; it.increment(ec))
        if (fnmatch(pattern.c_str(), it->path().filename().c_str(), FNM_CASEFOLD) == 0)
            state->matches.push_back(it->path());
    if (state->matches.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    *findData = FindDataOf(state->matches[0]);
    state->next = 1;
    HANDLE handle = state.get();
    Searches()[handle] = std::move(state);
    return handle;
}

BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* findData)
{
    auto it = Searches().find(find);
    if (it == Searches().end() || findData == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    FindState& state = *it->second;
    if (state.next >= state.matches.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *findData = FindDataOf(state.matches[state.next++]);
    return TRUE;
}

BOOL FindClose(HANDLE find)
{
    if (Searches().erase(find) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, FILETIME* localFileTime)
{
    if (fileTime == nullptr || localFileTime == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::int64_t ticks = TicksOf(*fileTime);
    const std::time_t seconds = static_cast<std::time_t>(ticks / kTicksPerSecond - kEpochDifference);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *localFileTime = FileTimeOf(ticks + static_cast<std::int64_t>(local.tm_gmtoff) * kTicksPerSecond);
    return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime)
{
    if (fileTime == nullptr || systemTime == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::int64_t ticks = TicksOf(*fileTime);
    const std::time_t seconds = static_cast<std::time_t>(ticks / kTicksPerSecond - kEpochDifference);
    std::tm utc{};
    if (ticks < 0 || gmtime_r(&seconds, &utc) == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    systemTime->wYear = static_cast<WORD>(utc.tm_year + 1900);
    systemTime->wMonth = static_cast<WORD>(utc.tm_mon + 1);
    systemTime->wDayOfWeek = static_cast<WORD>(utc.tm_wday);
    systemTime->wDay = static_cast<WORD>(utc.tm_mday);
    systemTime->wHour = static_cast<WORD>(utc.tm_hour);
    systemTime->wMinute = static_cast<WORD>(utc.tm_min);
    systemTime->wSecond = static_cast<WORD>(utc.tm_sec);
    systemTime->wMilliseconds = static_cast<WORD>((ticks % kTicksPerSecond) / 10000);
    return TRUE;
}

std::size_t platform::OpenFileSearchCount() { return Searches().size(); }

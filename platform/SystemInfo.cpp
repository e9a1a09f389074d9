#include <algorithm>
#include <cstring>

#include "machine/MachinePort.h"
#include "platform/CurrentMachine.h"
#include "platform/Kernel.h"

BOOL GetVersionExA(LPOSVERSIONINFOA info)
{
    if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    machine::OsVersion v = platform::CurrentMachine().os_version();
    info->dwMajorVersion = v.major;
    info->dwMinorVersion = v.minor;
    info->dwPlatformId = v.platform_id;
    // The 9x family keeps its version in the high word of the build number.
    info->dwBuildNumber = v.platform_id == VER_PLATFORM_WIN32_WINDOWS
                              ? (v.major << 24) | (v.minor << 16) | (v.build & 0xFFFF)
                              : v.build;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    v.service_pack.copy(info->szCSDVersion, sizeof info->szCSDVersion - 1);
    return TRUE;
}

LANGID GetSystemDefaultLangID() { return platform::CurrentMachine().default_language(); }

BOOL GetComputerNameA(LPSTR buffer, LPDWORD size)
{
    if (!size) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::string name = platform::CurrentMachine().computer_name();
    auto needed = static_cast<DWORD>(name.size() + 1);
    if (!buffer || *size < needed) {
        *size = needed;
        SetLastError(ERROR_BUFFER_OVERFLOW);
        return FALSE;
    }
    std::memcpy(buffer, name.c_str(), needed);
    *size = needed - 1;
    return TRUE;
}

UINT GetWindowsDirectoryA(LPSTR buffer, UINT size)
{
    const std::string directory = platform::CurrentMachine().windows_directory();
    const auto length = static_cast<UINT>(directory.size());
    if (buffer == nullptr || size <= length)
        return length + 1;
    std::memcpy(buffer, directory.c_str(), length + 1);
    return length;
}

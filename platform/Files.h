#pragma once
// Finding files on the machine's drive and their times. Paths are the system's own
// ("C:\WINDOWS\system32\drivers\qtnd23.sys"); the last name may hold the wildcards * and ?.

#include <string>

#include "platform/WinError.h"
#include "platform/WinTypes.h"

constexpr DWORD MAX_PATH = 260;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x00000020;

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
};

// INVALID_HANDLE_VALUE when nothing matches (ERROR_FILE_NOT_FOUND) or the folder is not on
// the machine's drive (ERROR_PATH_NOT_FOUND).
HANDLE FindFirstFileA(LPCSTR fileName, WIN32_FIND_DATAA* findData);
// FALSE with ERROR_NO_MORE_FILES after the last match.
BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* findData);
BOOL FindClose(HANDLE find);
BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, FILETIME* localFileTime);
BOOL FileTimeToSystemTime(const FILETIME* fileTime, SYSTEMTIME* systemTime);

namespace platform {

// The real path behind a path on the machine's drive; empty for any other path.
std::string HostPath(LPCSTR windows_path);

}  // namespace platform

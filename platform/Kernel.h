#pragma once
// Kernel calls: last error, device files and device control, system information.

#include "platform/WinError.h"
#include "platform/WinTypes.h"

struct SECURITY_ATTRIBUTES;
struct OVERLAPPED;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;
using LPOVERLAPPED = OVERLAPPED*;

DWORD GetLastError();
void SetLastError(DWORD error);

constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;
constexpr DWORD FILE_FLAG_DELETE_ON_CLOSE = 0x04000000;
constexpr DWORD FILE_FLAG_OVERLAPPED = 0x40000000;

HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, LPSECURITY_ATTRIBUTES security,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
BOOL CloseHandle(HANDLE object);
BOOL DeviceIoControl(HANDLE device, DWORD ioControlCode, LPVOID inBuffer, DWORD inBufferSize, LPVOID outBuffer,
                     DWORD outBufferSize, LPDWORD bytesReturned, LPOVERLAPPED overlapped);

constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
};
using OSVERSIONINFO = OSVERSIONINFOA;
using LPOSVERSIONINFOA = OSVERSIONINFOA*;
static_assert(sizeof(OSVERSIONINFOA) == 148);

BOOL GetVersionExA(LPOSVERSIONINFOA versionInfo);
LANGID GetSystemDefaultLangID();
constexpr DWORD MAX_COMPUTERNAME_LENGTH = 15;
BOOL GetComputerNameA(LPSTR buffer, LPDWORD size);

// The machine's Windows directory ("C:\WINDOWS"): its length, or the size needed (with the
// terminating zero) when `size` is too small.
UINT GetWindowsDirectoryA(LPSTR buffer, UINT size);

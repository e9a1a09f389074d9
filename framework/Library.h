#pragma once
// Resource-only modules (the language libraries), loaded by bare file name from the
// program's directory, or by full path from the machine's drive ("C:\WINDOWS\winhlp32.exe"). A failed load returns null and leaves the reason for GetLastError():
// the platform's codes for a missing module (126) and for a file that is not a readable
// resource module (193).

#include <cstddef>
#include <string>

#include "platform/WinTypes.h"

// Loading a module that is already loaded returns the same handle and counts one more use.
HMODULE LoadLibraryA(LPCSTR file_name);
// Drops one use; the last one unloads the module. When it was the current resource module,
// the program's own module becomes current again. FALSE for a handle that is not loaded.
BOOL FreeLibrary(HMODULE module);

namespace fw {

constexpr DWORD kLibraryInvalidHandle = 6;
constexpr DWORD kLibraryNotFound = 126;
constexpr DWORD kLibraryBadFormat = 193;

// Where bare file names are looked up; "" (the default) is the running executable's folder.
void SetLibraryDirectory(const std::string& directory);
// The reader's complaint about the last malformed module, for diagnostics and tests.
const std::string& LastLibraryErrorText();
// How many modules are loaded now.
std::size_t LoadedLibraryCount();

}  // namespace fw

#pragma once
// The shell: opening a target with the program the desktop associates with it, and running a
// command line. The machine decides whether either really happens (see machine::ShellConfig).

#include "platform/WinTypes.h"

// Results of ShellExecuteA at or below 32 are failures: 0 or one of these.
constexpr UINT SE_ERR_FNF = 2;
constexpr UINT SE_ERR_PNF = 3;
constexpr UINT SE_ERR_ACCESSDENIED = 5;
constexpr UINT SE_ERR_OOM = 8;
constexpr UINT SE_ERR_SHARE = 26;
constexpr UINT SE_ERR_ASSOCINCOMPLETE = 27;
constexpr UINT SE_ERR_DDETIMEOUT = 28;
constexpr UINT SE_ERR_DDEFAIL = 29;
constexpr UINT SE_ERR_DDEBUSY = 30;
constexpr UINT SE_ERR_NOASSOC = 31;
constexpr UINT SE_ERR_DLLNOTFOUND = 32;

// Only the verb "open" (or none) is known. The target goes to the desktop's opener as its one
// argument (parameters and folder are not passed on), never through a shell, and the call
// does not wait for it.
HINSTANCE ShellExecuteA(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory, int showCommand);

// Splits the command line into arguments as the system's programs do (quotes group, \" is a
// quote) and runs the program with them: no shell, no expansion, no waiting. Above 31 for
// success; 0 (out of resources), ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND or ERROR_BAD_FORMAT.
UINT WinExec(LPCSTR commandLine, UINT showCommand);

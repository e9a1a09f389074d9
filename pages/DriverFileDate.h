#pragma once
// The date the protocol driver's file was last written, as the version pages show it.

#include "framework/CString.h"

// The driver's file under "\system32\drivers\" of the Windows directory.
inline constexpr char kDriverFileName[] = "qtnd23.sys";

// "February 9, 2004"; empty when the file cannot be found: there is no date to show.
CString DriverFileDate();

#pragma once
// Command lines of the system's programs, split into arguments, and programs started from
// an argument vector.

#include <string>
#include <vector>

namespace platform {

// Blanks separate arguments; double quotes group blanks into one; 2n backslashes before a
// quote give n backslashes, 2n+1 give n and a literal quote; other backslashes stay.
std::vector<std::string> SplitCommandLine(const std::string& command_line);

// Starts `arguments[0]` (looked up in PATH when it names no folder) with the arguments, as a
// process of its own that nobody waits for. Returns 0, or the errno that kept it from starting.
int StartDetached(const std::vector<std::string>& arguments);

}  // namespace platform

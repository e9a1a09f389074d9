#pragma once
// Where machines keep what outlives the program: $XDG_STATE_HOME/zephra/, else
// ~/.local/state/zephra/, one directory per machine.

#include <string>

namespace machine {

// The directory of the machine a scenario file describes, or of the built-in machine when
// `scenario_file` is empty. Each file gets its own, named after it and after its full path,
// so that two scenarios never share one. "" when neither XDG_STATE_HOME nor HOME is set.
std::string machine_state_directory(const std::string& scenario_file);

// Creates `directory` and its parents when it is missing, the directory itself private to
// the user (0700): a machine's state holds WEP keys in clear. True when it is a directory.
bool make_private_directory(const std::string& directory);

// A short, stable name for a path (16 hex digits), for files named after one.
std::string path_code(const std::string& text);

}  // namespace machine

#pragma once
// A text split into its lines, without the line ends.

#include <sstream>
#include <string>
#include <vector>

namespace cli_test {

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace cli_test

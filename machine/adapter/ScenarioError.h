#pragma once
// Bad scenario input. The message starts with the path of the offending field.

#include <stdexcept>
#include <string>

namespace machine {

class ScenarioError : public std::runtime_error {
public:
    ScenarioError(const std::string& path, const std::string& problem)
        : std::runtime_error(path + ": " + problem), m_path(path)
    {
    }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace machine

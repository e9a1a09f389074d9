#pragma once
// Reads one JSON value of the scenario, knowing its path, so that every complaint names
// the field it is about ("wireless.networks[2].channel: ...").

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "machine/adapter/WirelessTypes.h"

namespace machine {

class JsonReader {
public:
    JsonReader(const nlohmann::json& value, std::string path);

    const std::string& path() const { return m_path; }
    [[noreturn]] void fail(const std::string& problem) const;

    // Objects. `only` rejects any member not listed, so a misspelt field is not ignored.
    void only(std::initializer_list<const char*> names) const;
    bool has(const char* name) const;
    JsonReader field(const char* name) const;
    std::optional<JsonReader> optional_field(const char* name) const;
    std::vector<std::pair<std::string, JsonReader>> members() const;

    std::vector<JsonReader> elements() const;

    std::int64_t integer(std::int64_t min, std::int64_t max) const;
    bool boolean() const;
    std::string string() const;
    // One of `names`; the result is its position in the list.
    std::size_t choice(std::initializer_list<const char*> names) const;
    MacAddress mac_address() const;  // "02:00:5E:10:00:01"

private:
    void expect_object() const;
    const nlohmann::json& m_value;
    std::string m_path;
};

}  // namespace machine

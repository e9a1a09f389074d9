#include "machine/adapter/JsonReader.h"

#include <algorithm>

#include "machine/adapter/ScenarioError.h"

namespace machine {

JsonReader::JsonReader(const nlohmann::json& value, std::string path)
    : m_value(value), m_path(std::move(path))
{
}

void JsonReader::fail(const std::string& problem) const { throw ScenarioError(m_path, problem); }

void JsonReader::expect_object() const
{
    if (!m_value.is_object())
        fail("expected an object");
}

void JsonReader::only(std::initializer_list<const char*> names) const
{
    expect_object();
    for (const auto& item : m_value.items()) {
        const bool known = std::any_of(names.begin(), names.end(),
                                       [&](const char* name) { return item.key() == name; });
        if (!known)
            JsonReader(item.value(), m_path + "." + item.key()).fail("unknown field");
    }
}

bool JsonReader::has(const char* name) const
{
    expect_object();
    return m_value.contains(name);
}

JsonReader JsonReader::field(const char* name) const
{
    if (!has(name))
        fail(std::string("missing field \"") + name + "\"");
    return JsonReader(m_value.at(name), m_path + "." + name);
}

std::optional<JsonReader> JsonReader::optional_field(const char* name) const
{
    if (!has(name))
        return std::nullopt;
    return field(name);
}

std::vector<std::pair<std::string, JsonReader>> JsonReader::members() const
{
    expect_object();
    std::vector<std::pair<std::string, JsonReader>> result;
    for (const auto& item : m_value.items())
        result.emplace_back(item.key(), JsonReader(item.value(), m_path + "." + item.key()));
    return result;
}

std::vector<JsonReader> JsonReader::elements() const
{
    if (!m_value.is_array())
        fail("expected an array");
    std::vector<JsonReader> result;
    for (std::size_t i = 0; i < m_value.size(); ++i)
        result.emplace_back(m_value[i], m_path + "[" + std::to_string(i) + "]");
    return result;
}

std::int64_t JsonReader::integer(std::int64_t min, std::int64_t max) const
{
    const std::string range = "expected an integer from " + std::to_string(min) + " to " + std::to_string(max);
    if (!m_value.is_number_integer())
        fail(range);
    std::int64_t value = 0;
    if (m_value.is_number_unsigned()) {
        const auto u = m_value.get<std::uint64_t>();
        if (u > static_cast<std::uint64_t>(max))
            fail(range);
        value = static_cast<std::int64_t>(u);
    } else {
        value = m_value.get<std::int64_t>();
    }
    if (value < min || value > max)
        fail(range);
    return value;
}

bool JsonReader::boolean() const
{
    if (!m_value.is_boolean())
        fail("expected true or false");
    return m_value.get<bool>();
}

std::string JsonReader::string() const
{
    if (!m_value.is_string())
        fail("expected a string");
    return m_value.get<std::string>();
}

std::size_t JsonReader::choice(std::initializer_list<const char*> names) const
{
    const std::string text = string();
    std::size_t index = 0;
    std::string list;
    for (const char* name : names) {
        if (text == name)
            return index;
        list += (index++ ? ", " : "") + std::string("\"") + name + "\"";
    }
    fail("expected one of " + list);
}

MacAddress JsonReader::mac_address() const
{
    const std::string text = string();
    MacAddress address{};
    const auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    bool ok = text.size() == 17;
    for (std::size_t i = 0; ok && i < address.size(); ++i) {
        const int high = hex(text[3 * i]);
        const int low = hex(text[3 * i + 1]);
        ok = high >= 0 && low >= 0 && (i == 5 || text[3 * i + 2] == ':');
        address[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    if (!ok)
        fail("expected an address like \"02:00:5E:10:00:01\"");
    return address;
}

}  // namespace machine

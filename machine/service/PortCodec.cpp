#include "machine/service/PortCodec.h"

namespace machine {

namespace service {

nlohmann::json byte_string(const std::vector<std::uint8_t>& bytes) { return nlohmann::json::binary(bytes); }

std::vector<std::uint8_t> bytes_of(const nlohmann::json& j)
{
    const auto& binary = j.get_binary();
    return {binary.begin(), binary.end()};
}

}  // namespace service

void to_json(nlohmann::json& j, const ControlResult& value)
{
    j = {{"ok", value.ok}, {"error", value.error}, {"output", service::byte_string(value.output)}};
}

void from_json(const nlohmann::json& j, ControlResult& value)
{
    j.at("ok").get_to(value.ok);
    j.at("error").get_to(value.error);
    value.output = service::bytes_of(j.at("output"));
}

void to_json(nlohmann::json& j, const RegistryData& value)
{
    j = {{"error", value.error}, {"type", value.type}, {"bytes", service::byte_string(value.bytes)}};
}

void from_json(const nlohmann::json& j, RegistryData& value)
{
    j.at("error").get_to(value.error);
    j.at("type").get_to(value.type);
    value.bytes = service::bytes_of(j.at("bytes"));
}

}  // namespace machine

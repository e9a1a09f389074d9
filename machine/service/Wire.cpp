#include "machine/service/Wire.h"

#include <utility>

namespace machine::service {

Bytes frame(const nlohmann::json& message)
{
    const Bytes body = nlohmann::json::to_cbor(message);
    const auto size = static_cast<std::uint32_t>(body.size());
    Bytes out;
    out.reserve(kLengthBytes + body.size());
    for (std::size_t i = 0; i < kLengthBytes; ++i)
        out.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

nlohmann::json request(const std::string& operation, nlohmann::json arguments)
{
    return {{"v", kProtocolVersion}, {"op", operation}, {"a", std::move(arguments)}};
}

nlohmann::json answer(nlohmann::json result) { return {{"v", kProtocolVersion}, {"r", std::move(result)}}; }

nlohmann::json refusal(const std::string& reason) { return {{"v", kProtocolVersion}, {"e", reason}}; }

FrameReader::Status FrameReader::next(nlohmann::json& message)
{
    if (m_buffer.size() < kLengthBytes)
        return Status::Incomplete;
    std::uint32_t size = 0;
    for (std::size_t i = 0; i < kLengthBytes; ++i)
        size |= static_cast<std::uint32_t>(m_buffer[i]) << (8 * i);
    if (size > kMaxMessageBytes)
        return Status::Oversized;
    if (m_buffer.size() < kLengthBytes + size)
        return Status::Incomplete;
    const auto begin = m_buffer.begin() + kLengthBytes;
    const auto end = begin + size;
    // A parse error gives a discarded value, but a container claiming more elements than memory
    // can hold still throws: either way the message is refused, never the service ended.
    try {
        message = nlohmann::json::from_cbor(begin, end, true, false);
    } catch (const nlohmann::json::exception&) {
        message = nlohmann::json(nlohmann::json::value_t::discarded);
    }
    m_buffer.erase(m_buffer.begin(), end);
    return message.is_discarded() || !message.is_object() ? Status::Malformed : Status::Message;
}

}  // namespace machine::service

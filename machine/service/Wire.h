#pragma once
// The machine service's messages on the socket: a 4-byte little-endian length, then that many
// bytes of CBOR. Every message is a map carrying the protocol version ("v"); a request names
// its operation ("op") and its arguments ("a"), an answer carries its result ("r") or the
// reason the request was refused ("e").

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace machine::service {

constexpr std::uint32_t kProtocolVersion = 2;
// A client's first request on a connection: answered with nothing by a service of its version,
// refused (with the service's version in "v") by any other.
constexpr const char* kHelloOperation = "hello";
constexpr std::size_t kLengthBytes = 4;
// Far above the largest real message (a device answer of a few kilobytes); a length beyond
// it is refused before anything is read or allocated.
constexpr std::uint32_t kMaxMessageBytes = 1u << 20;

using Bytes = std::vector<std::uint8_t>;

Bytes frame(const nlohmann::json& message);

nlohmann::json request(const std::string& operation, nlohmann::json arguments = nlohmann::json::array());
nlohmann::json answer(nlohmann::json result);
nlohmann::json refusal(const std::string& reason);

// Collects the bytes that arrive on one connection and cuts them into messages.
class FrameReader {
public:
    enum class Status { Incomplete, Message, Oversized, Malformed };

    void append(const std::uint8_t* data, std::size_t size) { m_buffer.insert(m_buffer.end(), data, data + size); }
    // The next whole message, if one has arrived. After Oversized the stream cannot be cut
    // into messages any more; after Malformed the next message may still be read.
    Status next(nlohmann::json& message);
    // Bytes of a message begun but not finished.
    bool has_partial() const { return !m_buffer.empty(); }

private:
    Bytes m_buffer;
};

}  // namespace machine::service

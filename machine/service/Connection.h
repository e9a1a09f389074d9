#pragma once
// A client's connection to the machine service: one request, then its answer, each bounded
// by a time limit so that a service that hangs or dies never hangs the client.

#include <filesystem>
#include <optional>

#include <nlohmann/json.hpp>

#include "machine/service/Wire.h"

namespace machine::service {

class Connection {
public:
    Connection() = default;
    ~Connection() { close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // False when no service listens on `socket`.
    bool open(const std::filesystem::path& socket);
    void close();
    bool is_open() const { return m_fd >= 0; }

    // Sends `message` and waits at most `timeout_ms` for the answer. Nothing when the
    // connection failed or timed out; the connection is closed then.
    std::optional<nlohmann::json> exchange(const nlohmann::json& message, int timeout_ms);

    // The steps of an exchange, for tests that send what a sound client never would.
    bool send_bytes(const Bytes& bytes, int timeout_ms);
    std::optional<nlohmann::json> receive(int timeout_ms);

private:
    int m_fd = -1;
    FrameReader m_reader;
};

}  // namespace machine::service

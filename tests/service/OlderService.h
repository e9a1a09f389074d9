#pragma once
// A service of an older build, still running: it refuses every request of this version, as a
// service refuses a version it does not speak.

#include <filesystem>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "machine/service/UnixAddress.h"
#include "machine/service/Wire.h"

namespace service_test {

class OlderService {
public:
    explicit OlderService(const std::filesystem::path& socket)
    {
        sockaddr_un address;
        machine::service::unix_address(socket, address);
        m_listen = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        bind(m_listen, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        listen(m_listen, 4);
        m_thread = std::thread([this] { serve(); });
    }
    ~OlderService()
    {
        shutdown(m_listen, SHUT_RDWR);
        m_thread.join();
        close(m_listen);
    }

private:
    void serve()
    {
        for (int client; (client = accept(m_listen, nullptr, nullptr)) >= 0; close(client)) {
            machine::service::FrameReader reader;
            std::uint8_t buffer[4096];
            for (ssize_t n; (n = recv(client, buffer, sizeof buffer, 0)) > 0;) {
                reader.append(buffer, static_cast<std::size_t>(n));
                nlohmann::json message;
                while (reader.next(message) == machine::service::FrameReader::Status::Message) {
                    const machine::service::Bytes reply = machine::service::frame(
                        {{"v", 1}, {"e", "protocol version 2 is not spoken here; this service speaks 1"}});
                    (void)!send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
                }
            }
        }
    }

    int m_listen = -1;
    std::thread m_thread;
};

}  // namespace service_test

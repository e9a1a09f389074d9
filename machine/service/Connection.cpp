#include "machine/service/Connection.h"

#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "machine/service/UnixAddress.h"
#include "machine/service/WaitFor.h"

namespace machine::service {

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

bool Connection::open(const std::filesystem::path& socket)
{
    close();
    sockaddr_un address;
    if (!unix_address(socket, address))
        return false;
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_fd < 0)
        return false;
    if (connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close();
        return false;
    }
    return true;
}

void Connection::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_reader = FrameReader();
}

bool Connection::send_bytes(const Bytes& bytes, int timeout_ms)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    std::size_t sent = 0;
    while (m_fd >= 0 && sent < bytes.size()) {
        const ssize_t n = ::send(m_fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!wait_for(m_fd, POLLOUT, deadline))
                break;
        } else {
            break;
        }
    }
    if (sent < bytes.size())
        close();
    return m_fd >= 0;
}

std::optional<nlohmann::json> Connection::receive(int timeout_ms)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    nlohmann::json message;
    while (m_fd >= 0) {
        const FrameReader::Status status = m_reader.next(message);
        if (status == FrameReader::Status::Message)
            return message;
        if (status != FrameReader::Status::Incomplete)
            break;
        // The answer is not there yet when the request has just gone: wait first, then read.
        if (!wait_for(m_fd, POLLIN, deadline))
            break;
        std::uint8_t buffer[16 * 1024];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0)
            m_reader.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            break;
    }
    close();
    return std::nullopt;
}

std::optional<nlohmann::json> Connection::exchange(const nlohmann::json& message, int timeout_ms)
{
    if (!send_bytes(frame(message), timeout_ms))
        return std::nullopt;
    return receive(timeout_ms);
}

}  // namespace machine::service

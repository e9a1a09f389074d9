#include "machine/service/MachineService.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "machine/Machine.h"
#include "machine/service/MachineControl.h"
#include "machine/service/PortOperations.h"
#include "machine/service/PortServer.h"
#include "machine/service/UnixAddress.h"

namespace machine::service {

namespace {

constexpr int kListenBacklog = 16;
constexpr std::size_t kReadChunk = 64 * 1024;

std::uint64_t steady_ms()
{
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
}

}  // namespace

struct MachineService::Client {
    int fd = -1;
    FrameReader reader;
    Bytes output;
    bool closing = false;  // the stream cannot be followed any more: drop it once answered
    bool program = false;  // it has made machine calls, not only control requests
    std::vector<std::uint32_t> devices;  // the protocol driver's devices it holds open
};

MachineService::MachineService(std::ostream& log) : m_log(log)
{
    if (pipe2(m_stop_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        m_stop_pipe[0] = m_stop_pipe[1] = -1;
}

MachineService::~MachineService()
{
    for (auto& client : m_clients)
        ::close(client->fd);
    if (m_listen_fd >= 0) {
        ::close(m_listen_fd);
        // Only the holder of the lock removes the socket: it is this service's own.
        ::unlink(m_endpoint.socket.c_str());
    }
    if (m_lock_fd >= 0)
        ::close(m_lock_fd);
    for (int fd : m_stop_pipe)
        if (fd >= 0)
            ::close(fd);
}

MachineService::Claim MachineService::claim(const ServiceEndpoint& endpoint, std::string& error)
{
    m_endpoint = endpoint;
    m_lock_fd = ::open(endpoint.lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lock_fd < 0) {
        error = "cannot open " + endpoint.lock.string() + ": " + std::strerror(errno);
        return Claim::Failed;
    }
    if (flock(m_lock_fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_lock_fd);
        m_lock_fd = -1;
        if (errno == EWOULDBLOCK)
            return Claim::AlreadyRunning;
        error = "cannot lock " + endpoint.lock.string() + ": " + std::strerror(errno);
        return Claim::Failed;
    }
    // Who holds the machine, for a person (or a test) that wants to signal it.
    const std::string pid = std::to_string(getpid()) + "\n";
    if (ftruncate(m_lock_fd, 0) != 0 || ::write(m_lock_fd, pid.data(), pid.size()) != static_cast<ssize_t>(pid.size()))
        m_log << "zephra-machine: cannot note the process id in " << endpoint.lock.string() << std::endl;
    return Claim::Claimed;
}

std::string MachineService::listen()
{
    sockaddr_un address;
    if (!unix_address(m_endpoint.socket, address))
        return "the socket path " + m_endpoint.socket.string() + " is too long";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return std::string("cannot make a socket: ") + std::strerror(errno);
    // A socket left by a service that died; the lock says no service owns it now.
    ::unlink(m_endpoint.socket.c_str());
    // The socket is made private from its first moment, not chmod-ed after.
    const mode_t previous_mask = umask(0177);
    const int bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int bind_errno = errno;
    umask(previous_mask);
    if (bound != 0 || ::listen(fd, kListenBacklog) != 0) {
        ::close(fd);
        return "cannot listen on " + m_endpoint.socket.string() + ": " + std::strerror(bound != 0 ? bind_errno : errno);
    }
    m_listen_fd = fd;
    return {};
}

void MachineService::stop()
{
    if (m_stop_pipe[1] >= 0) {
        const char c = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_stop_pipe[1], &c, 1);
    }
}

void MachineService::accept_client()
{
    const int fd = accept4(m_listen_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0)
        return;
    ucred peer{};
    socklen_t size = sizeof peer;
    if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != getuid()) {
        m_log << "zephra-machine: refused a client of another user (uid " << peer.uid << ")" << std::endl;
        ::close(fd);
        return;
    }
    auto client = std::make_unique<Client>();
    client->fd = fd;
    m_clients.push_back(std::move(client));
}

void MachineService::refuse(Client& client, const std::string& reason)
{
    m_log << "zephra-machine: refused a request: " << reason << std::endl;
    const Bytes bytes = frame(refusal(reason));
    client.output.insert(client.output.end(), bytes.begin(), bytes.end());
}

nlohmann::json MachineService::handle(Machine& machine, const nlohmann::json& message)
{
    const auto version = message.find("v");
    if (version == message.end() || !version->is_number_unsigned() || *version != kProtocolVersion)
        return refusal("protocol version " + (version == message.end() ? std::string("none") : version->dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)) +
                       " is not spoken here; this service speaks " + std::to_string(kProtocolVersion));
    const auto op = message.find("op");
    if (op == message.end() || !op->is_string())
        return refusal("the request names no operation");
    const std::string operation = op->get<std::string>();
    // Read in place: a device request's arguments carry the caller's whole buffer.
    static const nlohmann::json no_arguments = nlohmann::json::array();
    const auto found = message.find("a");
    const nlohmann::json& arguments = found == message.end() ? no_arguments : *found;
    if (operation == kHelloOperation)
        return answer(nullptr);
    try {
        if (auto result = serve_port_call(machine, operation, arguments))
            return answer(std::move(*result));
        if (auto result = serve_control(machine, operation, arguments))
            return answer(std::move(*result));
    } catch (const std::exception& e) {
        return refusal(operation + ": " + e.what());
    }
    return refusal("unknown request \"" + operation + "\"");
}

bool MachineService::read_from(Machine& machine, Client& client)
{
    std::uint8_t buffer[kReadChunk];
    for (;;) {
        const ssize_t n = ::recv(client.fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            // Past an oversized length nothing more is read into memory.
            if (!client.closing)
                client.reader.append(buffer, static_cast<std::size_t>(n));
            // A short read took all there was: no second call only to hear "nothing more".
            if (static_cast<std::size_t>(n) < sizeof buffer)
                break;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0) {
            if (client.reader.has_partial())
                m_log << "zephra-machine: a client left in the middle of a message (truncated message dropped)"
                      << std::endl;
            return false;
        }
        if (errno != EAGAIN)
            return false;
        break;
    }
    nlohmann::json message;
    while (!client.closing) {
        const FrameReader::Status status = client.reader.next(message);
        if (status == FrameReader::Status::Incomplete)
            break;
        if (status == FrameReader::Status::Oversized) {
            refuse(client, "a message longer than " + std::to_string(kMaxMessageBytes) + " bytes");
            client.closing = true;
        } else if (status == FrameReader::Status::Malformed) {
            refuse(client, "a message that is not a CBOR map");
        } else {
            const nlohmann::json reply = handle(machine, message);
            if (reply.contains("e"))
                m_log << "zephra-machine: refused a request: " << reply["e"].get<std::string>() << std::endl;
            else
                note_devices(client, message, reply);
            const Bytes bytes = frame(reply);
            client.output.insert(client.output.end(), bytes.begin(), bytes.end());
        }
    }
    return flush(client);
}

void MachineService::note_devices(Client& client, const nlohmann::json& request, const nlohmann::json& reply)
{
    const std::string operation = request["op"].get<std::string>();
    if (operation.rfind("ctl.", 0) != 0 && operation != kHelloOperation)
        client.program = true;
    const nlohmann::json& result = reply["r"];
    if (operation == port_op::kOpenDevice && result.is_object() && result.value("error", 1u) == 0)
        client.devices.push_back(result["device"].get<std::uint32_t>());
    else if (operation == port_op::kCloseDevice && result == true)
        std::erase(client.devices, request["a"][0].get<std::uint32_t>());
}

void MachineService::release(Machine& machine, const Client& client)
{
    // As the system does for a process that ends, its open devices are closed for it.
    for (const std::uint32_t device : client.devices)
        machine.close_device(device);
    if (!client.program)
        return;
    for (const auto& other : m_clients)
        if (other->program)
            return;
    // No program is left on the machine: the protocol driver's service, which programs start on
    // demand, stops with the last of them, so the next program finds the machine as after a boot.
    if (machine.service_state() == ServiceState::Running)
        machine.stop_service(kDriverServiceName);
}

bool MachineService::flush(Client& client)
{
    while (!client.output.empty()) {
        const ssize_t n = ::send(client.fd, client.output.data(), client.output.size(), MSG_NOSIGNAL);
        if (n > 0) {
            client.output.erase(client.output.begin(), client.output.begin() + n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return n < 0 && errno == EAGAIN;
        }
    }
    return !client.closing;
}

void MachineService::run(Machine& machine, std::uint64_t idle_stop_ms)
{
    std::uint64_t idle_since = steady_ms();
    for (;;) {
        std::vector<pollfd> fds;
        fds.push_back({m_stop_pipe[0], POLLIN, 0});
        fds.push_back({m_listen_fd, POLLIN, 0});
        for (const auto& client : m_clients)
            fds.push_back({client->fd, static_cast<short>(POLLIN | (client->output.empty() ? 0 : POLLOUT)), 0});
        int timeout = -1;
        if (m_clients.empty()) {
            const std::uint64_t now = steady_ms();
            if (now - idle_since >= idle_stop_ms)
                return;
            timeout = static_cast<int>(std::min<std::uint64_t>(idle_stop_ms - (now - idle_since), 60'000));
        }
        if (poll(fds.data(), fds.size(), timeout) < 0 && errno != EINTR)
            return;
        if (fds[0].revents != 0)
            return;
        std::vector<std::unique_ptr<Client>> kept;
        std::vector<std::unique_ptr<Client>> left;
        for (std::size_t i = 0; i < m_clients.size(); ++i) {
            Client& client = *m_clients[i];
            const short events = fds[i + 2].revents;
            bool keep = true;
            if (events & (POLLIN | POLLHUP | POLLERR))
                keep = read_from(machine, client);
            else if (events & POLLOUT)
                keep = flush(client);
            if (keep) {
                kept.push_back(std::move(m_clients[i]));
            } else {
                ::close(client.fd);
                left.push_back(std::move(m_clients[i]));
            }
        }
        m_clients = std::move(kept);
        for (const auto& client : left)
            release(machine, *client);
        if (fds[1].revents & POLLIN)
            accept_client();
        if (!m_clients.empty())
            idle_since = 0;
        else if (idle_since == 0)
            idle_since = steady_ms();
    }
}

}  // namespace machine::service

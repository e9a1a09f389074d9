#pragma once
// The machine service: one machine served to the user's processes over a Unix-domain socket,
// in a single-threaded poll loop, so the machine is never touched by two requests at once.
// Peers of another user are refused; a malformed, oversized or unknown request is refused
// and logged, and the service goes on serving everyone else.

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "machine/service/ServiceEndpoint.h"
#include "machine/service/Wire.h"

namespace machine {
class Machine;
}

namespace machine::service {

class MachineService {
public:
    explicit MachineService(std::ostream& log);
    ~MachineService();
    MachineService(const MachineService&) = delete;
    MachineService& operator=(const MachineService&) = delete;

    enum class Claim { Claimed, AlreadyRunning, Failed };
    // Takes the endpoint's lock, which one service at a time holds for its whole life.
    Claim claim(const ServiceEndpoint& endpoint, std::string& error);
    // Listens on the endpoint's socket (mode 0600), replacing a stale one. Returns what failed, or "".
    std::string listen();

    // Serves `machine` until stop() or until no client has been connected for `idle_stop_ms`.
    void run(Machine& machine, std::uint64_t idle_stop_ms);
    // Makes run() return; safe in a signal handler.
    void stop();

    // The answer to one request message, as run() sends it back.
    nlohmann::json handle(Machine& machine, const nlohmann::json& message);

private:
    struct Client;
    void accept_client();
    // False when the client is to be dropped.
    bool read_from(Machine& machine, Client& client);
    bool flush(Client& client);
    void refuse(Client& client, const std::string& reason);
    // Keeps account of the devices a client opens and closes with its answered `request`.
    void note_devices(Client& client, const nlohmann::json& request, const nlohmann::json& reply);
    // What the machine does when `client` has left (it is no longer among the clients).
    void release(Machine& machine, const Client& client);

    std::ostream& m_log;
    ServiceEndpoint m_endpoint;
    int m_lock_fd = -1;
    int m_listen_fd = -1;
    int m_stop_pipe[2] = {-1, -1};
    std::vector<std::unique_ptr<Client>> m_clients;
};

}  // namespace machine::service

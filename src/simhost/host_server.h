#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "simhost/offset_table.h"
#include "base/link_protocol.h"

namespace flenmark::simhost {

// Faults a test can ask of the host, each counted in exchanges answered so far.
struct HostFaults {
    int hangAfter = -1;      // stop replying
    int reply0After = -1;    // reply 0 (request rejected)
    int dropAfter = -1;      // close the connection
    int oversizeAfter = -1;  // claim 256 bytes in the reply's first record (a hostile host)
};

// Serves the FSUIPC exchange on the socket of one window class: opens each client's shared
// block by the name in its message, carries out the records against the offset table and
// replies 1 (0 for a request it cannot carry out).
class HostServer {
  public:
    HostServer(OffsetTable& table, HostFaults faults = {});
    ~HostServer();
    HostServer(const HostServer&) = delete;
    HostServer& operator=(const HostServer&) = delete;

    // Binds the class's socket, replacing a stale one. False with a message when another host
    // of that class runs or the socket cannot be made.
    bool start(const std::string& windowClass, std::string& error);
    // Serves what arrives within timeoutMs.
    void poll(int timeoutMs);
    // Closes everything and removes the socket.
    void stop();
    // Answering the exchange can be switched off (a simulator that stopped answering).
    void setAnswering(bool answering) { answering_ = answering; }

    // The words the handshake reads at 0x3304 and 0x3308. The client writes its library
    // version to 0x330A, inside the simulator word: the host keeps answering its own values.
    void setIdentity(uint32_t version, uint32_t simulatorWord);

    // Called before each exchange is carried out, so a host can refresh the table on demand.
    std::function<void()> beforeExchange;
    // Called before an exchange that reads the latitude (0x0560): the recorder reads it once at
    // the start of every connected tick, so this marks the recorder's ticks.
    std::function<void()> beforeTick;

    int exchanges() const { return exchanges_; }
    // More clients than this at once are turned away.
    static constexpr size_t kMaxClients = 32;
    int connections() const { return static_cast<int>(clients_.size()); }

  private:
    struct Client {
        std::vector<uint8_t> pending;
        std::string blockName;
        int block = -1;  // the client's shared block, read and written through the descriptor
    };
    void accept();
    bool serve(int fd, Client& client);  // false: close the connection
    bool handleFrame(int fd, Client& client, const std::string& name, uint32_t message);
    uint32_t exchange(int block, bool oversize);
    uint32_t carryOut(uint32_t& end);
    bool openBlock(Client& client, const std::string& name);
    void closeClient(int fd);

    // The request block is worked on in a copy of the host's own: a client that shrinks or
    // rewrites its shared memory meanwhile cannot make the host read or write outside it.
    std::vector<uint8_t> work_ = std::vector<uint8_t>(kSharedBlockSize);

    OffsetTable& table_;
    HostFaults faults_;
    std::string socketPath_;
    int listener_ = -1;
    std::map<int, Client> clients_;
    int exchanges_ = 0;
    bool answering_ = true;
    uint32_t version_ = 0;
    uint32_t simulatorWord_ = 0;
};

}  // namespace flenmark::simhost

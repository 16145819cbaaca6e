#pragma once

#include <functional>
#include <memory>
#include <string>

#include "simhost/host_core.h"
#include "simhost/offset_table.h"

namespace flenmark::simhost {

// Serves the FSUIPC exchange for one window class: opens each client's shared block by the
// name its message carries, carries out the records against the offset table and replies 1
// (0 for a request it cannot carry out). On Windows it is a hidden window of that class that
// answers the registered message; elsewhere a socket of that class stands in for the window.
class HostServer {
  public:
    HostServer(OffsetTable& table, HostFaults faults = {});
    ~HostServer();
    HostServer(const HostServer&) = delete;
    HostServer& operator=(const HostServer&) = delete;

    // Takes the window class, replacing what a host that died left behind. False with a
    // message when another host of that class runs or the class cannot be taken.
    bool start(const std::string& windowClass, std::string& error);
    // Serves what arrives within timeoutMs.
    void poll(int timeoutMs);
    // Gives the class up again.
    void stop();
    // Answering the exchange can be switched off (a simulator that stopped answering).
    void setAnswering(bool answering) { core_.setAnswering(answering); }

    // The words the handshake reads at 0x3304 and 0x3308. The client writes its library
    // version to 0x330A, inside the simulator word: the host keeps answering its own values.
    void setIdentity(uint32_t version, uint32_t simulatorWord) {
        core_.setIdentity(version, simulatorWord);
    }

    // Called before each exchange is carried out, so a host can refresh the table on demand.
    std::function<void()> beforeExchange;
    // Called before an exchange that reads the latitude (0x0560): the recorder reads it once at
    // the start of every connected tick, so this marks the recorder's ticks.
    std::function<void()> beforeTick;

    int exchanges() const { return core_.exchanges(); }
    // Where clients find it, for messages: the socket's path, or the window's class.
    std::string place() const;
    // More clients than this at once are turned away.
    static constexpr size_t kMaxClients = 32;
    int connections() const;

    // The system's transport, defined in its own file.
    struct Transport;
    // One message of a client, for the system's transport.
    HostCore::Answer answer(bool request, const HostCore::Load& load,
                            const HostCore::Store& store) {
        return core_.handle(request, load, store, {beforeExchange, beforeTick});
    }

  private:
    HostCore core_;
    std::unique_ptr<Transport> transport_;
};

// A bridge's host: it presents itself as the host the recorder expects (the FSUIPC version the
// client asks for, FSX's simulator word) and answers nothing before its simulator first does.
// False with a message as start().
inline bool StartBridgeServer(HostServer& server, const std::string& windowClass,
                              std::string& error) {
    server.setIdentity(0x19980005, 0xFADE0008);
    server.setAnswering(false);
    return server.start(windowClass, error);
}

}  // namespace flenmark::simhost

#include "simhost/host_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

#include "base/link_protocol.h"

namespace flenmark::simhost {
namespace {

bool SomeoneListens(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool listening =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return listening;
}

struct Client {
    std::vector<uint8_t> pending;
    std::string blockName;
    int block = -1;  // the client's shared block, read and written through the descriptor
};

}  // namespace

// The socket that stands in for the class's window, and a connection per client.
struct HostServer::Transport {
    explicit Transport(HostServer& server) : server(server) {}
    void accept();
    bool serve(int fd, Client& client);  // false: close the connection
    bool handleFrame(int fd, Client& client, const IpcFrame& frame);
    bool openBlock(Client& client, const std::string& name);
    void closeClient(int fd);

    HostServer& server;
    std::string socketPath;
    int listener = -1;
    std::map<int, Client> clients;
};

HostServer::HostServer(OffsetTable& table, HostFaults faults)
    : core_(table, faults), transport_(std::make_unique<Transport>(*this)) {}

HostServer::~HostServer() {
    stop();
}

std::string HostServer::place() const {
    return transport_->socketPath;
}

int HostServer::connections() const {
    return static_cast<int>(transport_->clients.size());
}

bool HostServer::start(const std::string& windowClass, std::string& error) {
    const std::string path = HostSocketPath(windowClass);
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path) {
        error = "socket path too long: " + path;
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(HostSocketDirectory(), ec);
    ::chmod(HostSocketDirectory().c_str(), 0700);
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISSOCK(st.st_mode)) {
            error = path + " exists and is not a socket; remove it first";
            return false;
        }
        if (SomeoneListens(path)) {
            error = "another host of window class " + windowClass + " is already running (" + path +
                    ")";
            return false;
        }
        ::unlink(path.c_str());  // left behind by a host that died
    }
    Transport& t = *transport_;
    t.listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    if (t.listener < 0 ||
        ::bind(t.listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(t.listener, 16) != 0) {
        error = "cannot listen on " + path + ": " + std::strerror(errno);
        stop();
        return false;
    }
    t.socketPath = path;
    return true;
}

void HostServer::stop() {
    Transport& t = *transport_;
    while (!t.clients.empty()) t.closeClient(t.clients.begin()->first);
    if (t.listener >= 0) ::close(t.listener);
    t.listener = -1;
    if (!t.socketPath.empty()) ::unlink(t.socketPath.c_str());
    t.socketPath.clear();
}

void HostServer::Transport::closeClient(int fd) {
    auto it = clients.find(fd);
    if (it == clients.end()) return;
    if (it->second.block >= 0) ::close(it->second.block);
    ::close(fd);
    clients.erase(it);
}

void HostServer::Transport::accept() {
    for (;;) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) return;
        if (clients.size() >= kMaxClients) {
            ::close(fd);
            continue;
        }
        clients[fd] = Client{};
    }
}

void HostServer::poll(int timeoutMs) {
    Transport& t = *transport_;
    if (t.listener < 0) return;
    std::vector<pollfd> fds{{t.listener, POLLIN, 0}};
    for (const auto& [fd, client] : t.clients) fds.push_back({fd, POLLIN, 0});
    const int ready = ::poll(fds.data(), fds.size(), timeoutMs);
    if (ready <= 0) return;
    if (fds[0].revents & POLLIN) t.accept();
    for (size_t i = 1; i < fds.size(); ++i) {
        if (!fds[i].revents) continue;
        auto it = t.clients.find(fds[i].fd);
        if (it != t.clients.end() && !t.serve(fds[i].fd, it->second)) t.closeClient(fds[i].fd);
    }
}

bool HostServer::Transport::serve(int fd, Client& client) {
    uint8_t buffer[4096];
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) return n < 0 && (errno == EINTR || errno == EAGAIN);
    client.pending.insert(client.pending.end(), buffer, buffer + n);
    for (;;) {
        IpcFrame frame;
        bool bad = false;
        const auto used = DecodeFrame(client.pending.data(), client.pending.size(), frame, bad);
        if (bad) return false;
        if (!used) return true;
        client.pending.erase(client.pending.begin(),
                             client.pending.begin() + static_cast<long>(*used));
        if (!handleFrame(fd, client, frame)) return false;
    }
}

bool HostServer::Transport::handleFrame(int fd, Client& client, const IpcFrame& frame) {
    const bool request =
        frame.message == RegisteredMessageId(kIpcMessageName) && openBlock(client, frame.name);
    const int block = client.block;
    const HostCore::Answer a = server.answer(
        request,
        [block](uint8_t* into) {
            return ::pread(block, into, kRequestAreaLimit, 0) ==
                   static_cast<ssize_t>(kRequestAreaLimit);
        },
        [block](const uint8_t* from, uint32_t size) {
            return ::pwrite(block, from, size, 0) == static_cast<ssize_t>(size);
        });
    if (a.turn == HostCore::Turn::Drop) return false;
    if (a.turn == HostCore::Turn::Silent) return true;
    uint8_t answer[4];
    StoreU32(answer, a.reply);
    return ::send(fd, answer, sizeof answer, MSG_NOSIGNAL) == sizeof answer;
}

bool HostServer::Transport::openBlock(Client& client, const std::string& name) {
    if (client.block >= 0 && client.blockName == name) return true;
    if (client.block >= 0) ::close(client.block);
    client.block = -1;
    if (!IsSharedBlockName(name)) return false;
    const int shm = ::shm_open(("/" + name).c_str(), O_RDWR | O_CLOEXEC, 0);
    if (shm < 0) return false;
    struct stat st {};
    if (::fstat(shm, &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size < static_cast<off_t>(kSharedBlockSize)) {
        ::close(shm);
        return false;
    }
    client.block = shm;
    client.blockName = name;
    return true;
}

}  // namespace flenmark::simhost

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

constexpr uint32_t kTickOffset = 0x0560;

// True when a well-formed block holds a read of `offset`.
bool ReadsOffset(const uint8_t* block, uint32_t offset) {
    for (uint32_t at = 0; at + kReadHeaderSize <= kRequestAreaLimit;) {
        const uint32_t kind = LoadU32(block + at), size = LoadU32(block + at + 8);
        if (kind == kReadRecordKind && LoadU32(block + at + 4) == offset) return true;
        if (kind != kReadRecordKind && kind != kWriteRecordKind) return false;
        const uint32_t header = kind == kReadRecordKind ? kReadHeaderSize : kWriteHeaderSize;
        if (size > kRequestAreaLimit - at - header) return false;
        at += header + size;
    }
    return false;
}

}  // namespace

HostServer::HostServer(OffsetTable& table, HostFaults faults) : table_(table), faults_(faults) {}

HostServer::~HostServer() {
    stop();
}

void HostServer::setIdentity(uint32_t version, uint32_t simulatorWord) {
    version_ = version;
    simulatorWord_ = simulatorWord;
    table_.poke<uint32_t>(0x3304, version_);
    table_.poke<uint32_t>(0x3308, simulatorWord_);
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
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    if (listener_ < 0 ||
        ::bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0) {
        error = "cannot listen on " + path + ": " + std::strerror(errno);
        stop();
        return false;
    }
    socketPath_ = path;
    return true;
}

void HostServer::stop() {
    while (!clients_.empty()) closeClient(clients_.begin()->first);
    if (listener_ >= 0) ::close(listener_);
    listener_ = -1;
    if (!socketPath_.empty()) ::unlink(socketPath_.c_str());
    socketPath_.clear();
}

void HostServer::closeClient(int fd) {
    auto it = clients_.find(fd);
    if (it == clients_.end()) return;
    if (it->second.block >= 0) ::close(it->second.block);
    ::close(fd);
    clients_.erase(it);
}

void HostServer::accept() {
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) return;
        if (clients_.size() >= kMaxClients) {
            ::close(fd);
            continue;
        }
        clients_[fd] = Client{};
    }
}

void HostServer::poll(int timeoutMs) {
    if (listener_ < 0) return;
    std::vector<pollfd> fds{{listener_, POLLIN, 0}};
    for (const auto& [fd, client] : clients_) fds.push_back({fd, POLLIN, 0});
    const int ready = ::poll(fds.data(), fds.size(), timeoutMs);
    if (ready <= 0) return;
    if (fds[0].revents & POLLIN) accept();
    for (size_t i = 1; i < fds.size(); ++i) {
        if (!fds[i].revents) continue;
        auto it = clients_.find(fds[i].fd);
        if (it != clients_.end() && !serve(fds[i].fd, it->second)) closeClient(fds[i].fd);
    }
}

bool HostServer::serve(int fd, Client& client) {
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
        if (!handleFrame(fd, client, frame.name, frame.message)) return false;
    }
}

bool HostServer::handleFrame(int fd, Client& client, const std::string& name, uint32_t message) {
    const int number = exchanges_++;
    if (faults_.dropAfter >= 0 && number >= faults_.dropAfter) return false;
    if (!answering_ || (faults_.hangAfter >= 0 && number >= faults_.hangAfter)) return true;
    uint32_t reply = 0;
    const bool rejected = faults_.reply0After >= 0 && number >= faults_.reply0After;
    if (!rejected && message == RegisteredMessageId(kIpcMessageName) && openBlock(client, name)) {
        if (beforeExchange) beforeExchange();
        reply =
            exchange(client.block, faults_.oversizeAfter >= 0 && number >= faults_.oversizeAfter);
        table_.poke<uint32_t>(0x3304, version_);
        table_.poke<uint32_t>(0x3308, simulatorWord_);
    }
    uint8_t answer[4];
    StoreU32(answer, reply);
    return ::send(fd, answer, sizeof answer, MSG_NOSIGNAL) == sizeof answer;
}

bool HostServer::openBlock(Client& client, const std::string& name) {
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

uint32_t HostServer::exchange(int block, bool oversize) {
    const ssize_t got = ::pread(block, work_.data(), kRequestAreaLimit, 0);
    if (got != static_cast<ssize_t>(kRequestAreaLimit)) return 0;
    if (beforeTick && ReadsOffset(work_.data(), kTickOffset)) beforeTick();
    uint32_t end = 0;
    if (carryOut(end) != 1) return 0;
    if (oversize) StoreU32(work_.data() + 8, 256);
    return ::pwrite(block, work_.data(), end, 0) == static_cast<ssize_t>(end) ? 1 : 0;
}

uint32_t HostServer::carryOut(uint32_t& end) {
    uint8_t* block = work_.data();
    uint32_t at = 0;
    while (at + 4 <= kRequestAreaLimit) {
        const uint32_t kind = LoadU32(block + at);
        if (kind == 0) {
            end = at;
            return 1;
        }
        if (kind != kReadRecordKind && kind != kWriteRecordKind) return 0;
        const uint32_t header = kind == kReadRecordKind ? kReadHeaderSize : kWriteHeaderSize;
        if (at + header > kRequestAreaLimit) return 0;
        const uint32_t offset = LoadU32(block + at + 4);
        const uint32_t size = LoadU32(block + at + 8);
        if (size > kRequestAreaLimit - at - header) return 0;
        uint8_t* data = block + at + header;
        const bool ok = kind == kReadRecordKind ? table_.read(offset, size, data)
                                                : table_.write(offset, size, data);
        if (!ok) return 0;
        at += header + size;
    }
    return 0;
}

}  // namespace flenmark::simhost

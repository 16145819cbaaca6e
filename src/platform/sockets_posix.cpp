#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/sockets.h"

namespace flenmark::net {
namespace {

int Fd(Socket socket) {
    return static_cast<int>(socket);
}

bool Wait(Socket socket, short events, int timeoutMs) {
    pollfd p{Fd(socket), events, 0};
    return ::poll(&p, 1, timeoutMs) == 1;
}

}  // namespace

std::optional<Endpoint> Resolve(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found)
        return std::nullopt;
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    const Endpoint endpoint{address->sin_addr.s_addr, address->sin_port};
    ::freeaddrinfo(found);
    return endpoint;
}

Socket OpenUdp() {
    return ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

Socket ConnectTcp(const std::string& host, const std::string& port, int timeoutMs) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) return kNoSocket;
    int fd = ::socket(found->ai_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd >= 0 && ::connect(fd, found->ai_addr, found->ai_addrlen) != 0 && errno != EINPROGRESS) {
        ::close(fd);
        fd = -1;
    }
    ::freeaddrinfo(found);
    if (fd < 0) return kNoSocket;
    int error = 0;
    socklen_t size = sizeof error;
    if (!Wait(fd, POLLOUT, timeoutMs) ||
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
        ::close(fd);
        return kNoSocket;
    }
    return fd;
}

void Close(Socket socket) {
    if (socket != kNoSocket) ::close(Fd(socket));
}

std::string LastError() {
    return std::strerror(errno);
}

bool SendTo(Socket socket, std::span<const uint8_t> datagram, const Endpoint& to) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = to.address;
    address.sin_port = to.port;
    return ::sendto(Fd(socket), datagram.data(), datagram.size(), 0,
                    reinterpret_cast<const sockaddr*>(&address),
                    sizeof address) == static_cast<ssize_t>(datagram.size());
}

std::optional<size_t> ReceiveFrom(Socket socket, std::span<uint8_t> buffer, Endpoint& from) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    const ssize_t n = ::recvfrom(Fd(socket), buffer.data(), buffer.size(), 0,
                                 reinterpret_cast<sockaddr*>(&address), &length);
    if (n < 0) return std::nullopt;
    from = {address.sin_addr.s_addr, address.sin_port};
    return static_cast<size_t>(n);
}

bool Send(Socket socket, std::string_view bytes) {
    return ::send(Fd(socket), bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
}

bool WaitReadable(Socket socket, int timeoutMs) {
    return Wait(socket, POLLIN, timeoutMs);
}

Received Receive(Socket socket, std::span<char> buffer, size_t& got) {
    const ssize_t n = ::recv(Fd(socket), buffer.data(), buffer.size(), 0);
    got = n > 0 ? static_cast<size_t>(n) : 0;
    if (n > 0) return Received::Data;
    if (n == 0) return Received::End;
    return errno == EAGAIN || errno == EINTR ? Received::Again : Received::Failed;
}

}  // namespace flenmark::net

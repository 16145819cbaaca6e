#include "xpbridge/udp_peer.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

namespace flenmark::xpbridge {

UdpPeer::~UdpPeer() {
    if (fd_ >= 0) ::close(fd_);
}

bool UdpPeer::open(const std::string& host, int port, std::string& error) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found) {
        error = "cannot find the address of " + host;
        return false;
    }
    std::memcpy(&peer_, found->ai_addr, sizeof peer_);
    ::freeaddrinfo(found);
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd_ < 0) {
        error = std::string("cannot open a UDP socket: ") + std::strerror(errno);
        return false;
    }
    return true;
}

bool UdpPeer::send(std::span<const uint8_t> datagram) {
    return ::sendto(fd_, datagram.data(), datagram.size(), 0,
                    reinterpret_cast<const sockaddr*>(&peer_),
                    sizeof peer_) == static_cast<ssize_t>(datagram.size());
}

std::vector<uint8_t> UdpPeer::receive() {
    for (;;) {
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t n = ::recvfrom(fd_, buffer_.data(), buffer_.size(), 0,
                                     reinterpret_cast<sockaddr*>(&from), &length);
        if (n < 0) return {};
        if (from.sin_addr.s_addr != peer_.sin_addr.s_addr || from.sin_port != peer_.sin_port) {
            ++strangers_;
            continue;
        }
        return std::vector<uint8_t>(buffer_.begin(), buffer_.begin() + n);
    }
}

}  // namespace flenmark::xpbridge

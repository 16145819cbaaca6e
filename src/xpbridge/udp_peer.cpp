#include "xpbridge/udp_peer.h"

namespace flenmark::xpbridge {

UdpPeer::~UdpPeer() {
    net::Close(socket_);
}

bool UdpPeer::open(const std::string& host, int port, std::string& error) {
    const auto found = net::Resolve(host, port);
    if (!found) {
        error = "cannot find the address of " + host;
        return false;
    }
    peer_ = *found;
    socket_ = net::OpenUdp();
    if (socket_ == net::kNoSocket) {
        error = "cannot open a UDP socket: " + net::LastError();
        return false;
    }
    return true;
}

bool UdpPeer::send(std::span<const uint8_t> datagram) {
    return net::SendTo(socket_, datagram, peer_);
}

std::vector<uint8_t> UdpPeer::receive() {
    for (;;) {
        net::Endpoint from;
        const auto n = net::ReceiveFrom(socket_, buffer_, from);
        if (!n) return {};
        if (from != peer_) {
            ++strangers_;
            continue;
        }
        return std::vector<uint8_t>(buffer_.begin(), buffer_.begin() + static_cast<long>(*n));
    }
}

}  // namespace flenmark::xpbridge

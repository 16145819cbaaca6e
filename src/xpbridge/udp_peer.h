#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/sockets.h"

namespace flenmark::xpbridge {

// A UDP socket that talks to one peer: what it sends goes there, and what it receives from
// any other address is dropped (and counted).
class UdpPeer {
  public:
    UdpPeer() = default;
    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;
    ~UdpPeer();

    // Resolves HOST (an IPv4 name or address) and opens a socket on a free local port. False
    // with the reason in `error`.
    bool open(const std::string& host, int port, std::string& error);
    bool send(std::span<const uint8_t> datagram);
    // The next datagram from the peer waiting now, or empty when none is; datagrams from
    // elsewhere are skipped.
    std::vector<uint8_t> receive();
    long strangers() const { return strangers_; }

  private:
    net::Socket socket_ = net::kNoSocket;
    net::Endpoint peer_{};
    long strangers_ = 0;
    std::vector<uint8_t> buffer_ = std::vector<uint8_t>(65536);  // reused: polled every 10 ms
};

}  // namespace flenmark::xpbridge

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace flenmark::net {

// Plain sockets on either system (BSD sockets, Winsock) for the bridges' UDP and HTTP. The two
// differ in their types, names and error codes; those stay in sockets_posix.cpp and
// sockets_win.cpp. Every socket made here is non-blocking and not handed to child processes.
using Socket = std::intptr_t;
inline constexpr Socket kNoSocket = -1;

// An IPv4 address and port as the system keeps them (network byte order).
struct Endpoint {
    uint32_t address = 0;
    uint16_t port = 0;
    bool operator==(const Endpoint&) const = default;
};

// The IPv4 address of HOST (a name or a dotted address) with PORT; nullopt when it has none.
std::optional<Endpoint> Resolve(const std::string& host, int port);
// A UDP socket on a free local port; kNoSocket on failure.
Socket OpenUdp();
// A TCP connection to HOST:PORT (the first address found) made within timeoutMs; kNoSocket
// otherwise.
Socket ConnectTcp(const std::string& host, const std::string& port, int timeoutMs);
void Close(Socket socket);
// Why the last call of this thread failed, in the system's words.
std::string LastError();

// Sends one datagram whole; false otherwise.
bool SendTo(Socket socket, std::span<const uint8_t> datagram, const Endpoint& to);
// The size of the next datagram waiting, copied into `buffer` (cut to its size), with its
// sender; nullopt when none waits.
std::optional<size_t> ReceiveFrom(Socket socket, std::span<uint8_t> buffer, Endpoint& from);

// Sends all of `bytes` on a connected socket at once; false otherwise (a request of a few
// hundred bytes always fits the system's buffer).
bool Send(Socket socket, std::string_view bytes);
// Waits up to timeoutMs for something to read, or for the end; false when nothing came.
bool WaitReadable(Socket socket, int timeoutMs);
// How a read of a connected socket went.
enum class Received { Data, End, Again, Failed };
Received Receive(Socket socket, std::span<char> buffer, size_t& got);

}  // namespace flenmark::net

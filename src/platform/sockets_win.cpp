// Winsock: started once, on the first call that needs it, and left to the end of the process.
#include <winsock2.h>

// These two need winsock2.h first.
#include <mswsock.h>
#include <ws2tcpip.h>

#include <string>

#include "platform/sockets.h"

namespace flenmark::net {
namespace {

bool Started() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

SOCKET Handle(Socket socket) {
    return static_cast<SOCKET>(socket);
}

Socket Open(int family, int type, int protocol) {
    if (!Started()) return kNoSocket;
    const SOCKET s = WSASocketW(family, type, protocol, nullptr, 0,
                                WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) return kNoSocket;
    u_long nonBlocking = 1;
    if (ioctlsocket(s, FIONBIO, &nonBlocking) != 0) {
        closesocket(s);
        return kNoSocket;
    }
    return static_cast<Socket>(s);
}

// select() rather than WSAPoll(), which does not report a refused connection on every Windows.
bool Wait(Socket socket, bool forWriting, int timeoutMs) {
    fd_set ready, failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(Handle(socket), &ready);
    FD_SET(Handle(socket), &failed);
    timeval wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    const int n =
        select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, &failed, &wait);
    return n > 0 && FD_ISSET(Handle(socket), &ready);
}

}  // namespace

std::optional<Endpoint> Resolve(const std::string& host, int port) {
    if (!Started()) return std::nullopt;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found)
        return std::nullopt;
    const auto* address = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    const Endpoint endpoint{address->sin_addr.s_addr, address->sin_port};
    freeaddrinfo(found);
    return endpoint;
}

Socket OpenUdp() {
    const Socket s = Open(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (s == kNoSocket) return s;
    // Otherwise a datagram sent to a port nobody listens on (X-Plane not yet started) makes
    // the next receive fail instead of waiting for the answers.
    BOOL report = FALSE;
    DWORD size = 0;
    WSAIoctl(Handle(s), SIO_UDP_CONNRESET, &report, sizeof report, nullptr, 0, &size, nullptr,
             nullptr);
    return s;
}

Socket ConnectTcp(const std::string& host, const std::string& port, int timeoutMs) {
    if (!Started()) return kNoSocket;
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) return kNoSocket;
    Socket s = Open(found->ai_family, SOCK_STREAM, IPPROTO_TCP);
    if (s != kNoSocket &&
        connect(Handle(s), found->ai_addr, static_cast<int>(found->ai_addrlen)) != 0 &&
        WSAGetLastError() != WSAEWOULDBLOCK) {
        Close(s);
        s = kNoSocket;
    }
    freeaddrinfo(found);
    if (s == kNoSocket) return kNoSocket;
    int error = 0;
    int size = sizeof error;
    if (!Wait(s, true, timeoutMs) ||
        getsockopt(Handle(s), SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0 ||
        error != 0) {
        Close(s);
        return kNoSocket;
    }
    return s;
}

void Close(Socket socket) {
    if (socket != kNoSocket) closesocket(Handle(socket));
}

std::string LastError() {
    const int code = WSAGetLastError();
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
    std::string said = text;
    while (!said.empty() && (said.back() == '\n' || said.back() == '\r' || said.back() == ' '))
        said.pop_back();
    return said.empty() ? "Winsock error " + std::to_string(code) : said;
}

bool SendTo(Socket socket, std::span<const uint8_t> datagram, const Endpoint& to) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = to.address;
    address.sin_port = to.port;
    const int size = static_cast<int>(datagram.size());
    return sendto(Handle(socket), reinterpret_cast<const char*>(datagram.data()), size, 0,
                  reinterpret_cast<const sockaddr*>(&address), sizeof address) == size;
}

std::optional<size_t> ReceiveFrom(Socket socket, std::span<uint8_t> buffer, Endpoint& from) {
    for (;;) {
        sockaddr_in address{};
        int length = sizeof address;
        const int n = recvfrom(Handle(socket), reinterpret_cast<char*>(buffer.data()),
                               static_cast<int>(buffer.size()), 0,
                               reinterpret_cast<sockaddr*>(&address), &length);
        // Where the report of a refused datagram could not be switched off, it is passed over.
        if (n < 0 && WSAGetLastError() == WSAECONNRESET) continue;
        if (n < 0) return std::nullopt;
        from = {address.sin_addr.s_addr, address.sin_port};
        return static_cast<size_t>(n);
    }
}

bool Send(Socket socket, std::string_view bytes) {
    const int size = static_cast<int>(bytes.size());
    return send(Handle(socket), bytes.data(), size, 0) == size;
}

bool WaitReadable(Socket socket, int timeoutMs) {
    return Wait(socket, false, timeoutMs);
}

Received Receive(Socket socket, std::span<char> buffer, size_t& got) {
    const int n = recv(Handle(socket), buffer.data(), static_cast<int>(buffer.size()), 0);
    got = n > 0 ? static_cast<size_t>(n) : 0;
    if (n > 0) return Received::Data;
    if (n == 0) return Received::End;
    const int error = WSAGetLastError();
    return error == WSAEWOULDBLOCK || error == WSAEINTR ? Received::Again : Received::Failed;
}

}  // namespace flenmark::net
